// The sounds a typed text plays on channel 0 of its owner's sound-effect
// group: the type sound of each glyph or picture and the file of each SOUND
// tag, as the typing reaches them. A node without an owner plays nothing;
// without a sound device the group has no voice and nothing is played.
#include "media/sound_group.h"
#include "script/script_host.h"
#include "text/text_node.h"

namespace {

constexpr int kTypeChannel = 0;
// Type sounds play quieter than the group, and restart at every glyph.
constexpr long kTypeSoundVolume = -1000;

CSoundGroup* EffectsOf(CScriptHost* owner) { return owner ? owner->GetSESoundGroup() : nullptr; }

}  // namespace

void CTextNode::PlayTypeSound(const std::string& sound) {
    CSoundGroup* effects = EffectsOf(GetOwner());
    if (!effects || sound.empty()) return;
    effects->GetOrCreateVoice(kTypeChannel);
    CSoundVoice* voice = effects->GetVoice(kTypeChannel);
    if (!voice) return;
    if (voice->GetFileName() != sound) effects->Load(kTypeChannel, sound);
    voice = effects->GetVoice(kTypeChannel);
    voice->SetVolume(kTypeSoundVolume);
    voice->Stop();
    voice->Play();
}

void CTextNode::PlaySoundTag(const std::string& file) {
    CSoundGroup* effects = EffectsOf(GetOwner());
    if (!effects) return;
    effects->GetOrCreateVoice(kTypeChannel);
    effects->Load(kTypeChannel, file);
    effects->Stop(kTypeChannel);
    effects->Play(kTypeChannel, false, 0, 0);
}
