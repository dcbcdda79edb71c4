// Compile speed of the script compiler on a generated 1 MB Shift-JIS story
// script: from its packed archive (read, unpack, compile) and from memory,
// beside a bare tokenizer pass over the same bytes. Later statements join
// the generator as the statement parser learns them.
//
// Then the speed of running statements through a scene: two loops, each run
// whole inside one CScene::Update under the scene's loop guard, in
// statements per second.
//
//   scripts/session start build
//   scripts/wine-run build/bin/script_bench.exe
//   scripts/session stop build
#include <windows.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "packer/archive_writer.h"
#include "platform/error_report.h"
#include "platform/paths.h"
#include "platform/tokenizer.h"
#include "script/script_cache.h"
#include "script/script_compiler.h"
#include "script/scene.h"
#include "script/scene_host.h"
#include "script/script_unit.h"

namespace {

// Writes the script text: pages and classes whose bodies nest control
// structures with expression conditions, labels and gotos, comments and
// lines of text. Every page stays far below the 65,535 records it may hold.
class CScriptGenerator {
public:
    explicit CScriptGenerator(unsigned seed) : random_(seed) {}

    std::string Generate(size_t size) {
        int page = 0;
        while (out_.size() < size) {
            if (page % 8 == 7) {
                Line("class Actor" + std::to_string(page) + " {");
                for (const char* method : {"Main", "OnClick", "OnHover"}) {
                    Line("method " + std::string(method) + " {");
                    Body(2, 12);
                    Line("}");
                }
                Line("}");
            } else {
                Line("// 第" + std::to_string(page) + "場面");
                Line("page Scene" + std::to_string(page) + " {");
                Body(1, 40);
                Line("}");
            }
            ++page;
        }
        return out_;
    }

private:
    int Pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
    std::string Var() { return (Pick(3) == 0 ? "$" : "@") + std::to_string(Pick(1024)); }
    std::string Condition() {
        switch (Pick(4)) {
            case 0: return Var() + " == " + std::to_string(Pick(10));
            case 1: return "(" + Var() + " + 3) * 2 >= " + Var() + " && !" + Var();
            case 2: return Var() + " % 7 != 0 || " + Var() + " / 2 < 100";
            default: return Var() + " > -" + std::to_string(Pick(50000));
        }
    }
    // A flow or scene statement.
    std::string FlowStatement() {
        const std::string page = "Scene" + std::to_string(Pick(64));
        switch (Pick(9)) {
            case 0: return "shift " + page + ";";
            case 1: return "call " + page + ";";
            case 2: return "far_call \"Bench/Other.txt\", " + page + ";";
            case 3: return "return;";
            case 4: return "wait " + std::to_string(Pick(2000)) + ";";
            case 5: return "Wait(" + std::to_string(Pick(2000)) + ");";
            case 6: return "scene_call \"Sub" + std::to_string(Pick(8)) + ".txt\";";
            case 7: return "scene_shift \"Next.txt\";";
            default: return "scene_return;";
        }
    }
    void Line(const std::string& text) {
        out_.append(indent_, ' ');
        out_ += text;
        out_ += "\r\n";
    }
    void Open(const std::string& head) {
        Line(head + " {");
        indent_ += 4;
    }
    void Close(const std::string& tail = "") {
        indent_ -= 4;
        Line("}" + tail);
    }

    // count statements at the given depth of control structures.
    void Body(int depth, int count) {
        indent_ += 4;
        int labels = 0;
        for (int i = 0; i < count; ++i) {
            int kind = depth > 3 ? Pick(4) : Pick(11);
            switch (kind) {
                case 0: Line("\"" + std::string("「今日はいい天気ですね」と彼女は言った。") + "\";"); break;
                case 1: Line("/* 選択肢 " + std::to_string(i) + " */ label L" + std::to_string(labels++) + ";"); break;
                case 2: Line("goto L" + std::to_string(labels ? Pick(labels) : 0) + ";"); break;
                case 3: Line("; // 空文"); break;
                case 4:
                    Open("if (" + Condition() + ")");
                    Body(depth + 1, 3);
                    Close();
                    Open("else");
                    Body(depth + 1, 2);
                    Close();
                    break;
                case 5:
                    Open("for (@" + std::to_string(Pick(1024)) + " = 0; " + Condition() + "; @1 = @1 + 1)");
                    Body(depth + 1, 3);
                    Close();
                    break;
                case 6:
                    Open("while (" + Condition() + ")");
                    Body(depth + 1, 2);
                    Close();
                    break;
                case 7:
                    Open("do");
                    Body(depth + 1, 2);
                    Close(" while (" + Condition() + ")");
                    break;
                case 8:
                    Open("");
                    Body(depth + 1, 2);
                    Close();
                    break;
                case 9: Line("if (" + Var() + ") goto L0; else ;"); break;
                default: Line(FlowStatement()); break;
            }
        }
        indent_ -= 4;
    }

    std::mt19937 random_;
    std::string out_;
    int indent_ = 0;
};

// Tokens of the text as the compiler's tokenizer cuts them, stepping over
// each byte that starts no token (the operators inside expressions).
size_t TokenizeAll(const std::string& text) {
    CTokenizer tokenizer(text.data(), static_cast<int>(text.size()));
    tokenizer.AddSymbols(",", "(", ")", "{", "}", ">=", ">", "<=", "<", "==", "!=", "&&", "||", "!", "+", "-", ";",
                         ":", "//", "/*", "*/", "$", "=", "%", "@", "#", "");
    std::string token;
    size_t count = 0;
    for (;;) {
        TokenKind kind = tokenizer.NextToken(token);
        if (kind == kTokenEnd) return count;
        if (kind == kTokenUnknown) tokenizer.ReadRaw(1);
        ++count;
    }
}

// Statements per second of one loop run whole in one scene update. The
// scene waits 1 ms first, so opening it runs nothing of the loop and the
// timed CScene::Update runs all of it.
double StatementsPerSecond(const std::string& loop, int statements, int rounds, double* milliseconds) {
    const std::string text = "page Main { wait 1; " + loop + " }";
    std::shared_ptr<CScriptUnit> unit;
    {
        unit = std::make_shared<CScriptUnit>();
        CScriptCache classes;
        CScriptCompiler::CompileText("Bench/Loop.txt", text.data(), static_cast<int>(text.size()), *unit, classes);
    }
    std::unique_ptr<CSceneHost> host;
    CScene* scene = nullptr;
    *milliseconds = BestMilliseconds(
        rounds,
        [&] {
            host = std::make_unique<CSceneHost>();
            auto owned = std::make_unique<CScene>("Bench/Loop.txt");
            owned->GetScriptCache()->Insert("Bench/Loop.txt", unit);
            scene = owned.get();
            host->AttachScene(std::move(owned));
        },
        [&] { scene->Update(1); });
    if (!scene->IsScriptFinished()) std::printf("the loop did not finish\n");
    return statements / *milliseconds * 1000;
}

// A compile error of the generated text ends the run with its code instead
// of a modal box.
void PrintBox(const ErrorBox& box) { std::printf("error %d - %d\n", box.module, box.place); }

}  // namespace

int main() {
    SetErrorReporter(PrintBox);
    std::string text = CScriptGenerator(2026).Generate(1 << 20);
    const double megabytes = static_cast<double>(text.size()) / (1 << 20);

    // Packed as Bench/Story.txt in a base directory of its own.
    char tempPath[MAX_PATH];
    GetTempPathA(MAX_PATH, tempPath);
    std::string folder = std::string(tempPath) + "mirl_script_bench\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::vector<uint8_t> archive = packer::BuildArchive(
        2, "Bench.dat", {packer::PackEntry{"Story.txt", std::vector<uint8_t>(text.begin(), text.end()), true, 1}});
    std::string archivePath = folder + "Bench.dat";
    FILE* file = std::fopen(archivePath.c_str(), "wb");
    if (!file || std::fwrite(archive.data(), 1, archive.size(), file) != archive.size()) {
        std::printf("cannot write %s\n", archivePath.c_str());
        return 1;
    }
    std::fclose(file);
    SetBaseDirectory(folder);

    size_t tokens = 0;
    const int rounds = 10;
    try {
        CScriptUnit unit;
        CScriptCache classes;
        CScriptCompiler::CompileText("Bench/Story.txt", text.data(), static_cast<int>(text.size()), unit, classes);
    } catch (const CInternalError&) {
        return 1;
    }
    double tokenizeMs = BestMilliseconds(rounds, [] {}, [&] { tokens = TokenizeAll(text); });
    double memoryMs = BestMilliseconds(rounds, [] {}, [&] {
        CScriptUnit unit;
        CScriptCache classes;
        CScriptCompiler::CompileText("Bench/Story.txt", text.data(), static_cast<int>(text.size()), unit, classes);
    });
    double archiveMs = BestMilliseconds(rounds, [] {}, [&] {
        CScriptUnit unit;
        CScriptCache classes;
        unit.Compile("Bench/Story.txt", classes);
    });
    DeleteFileA(archivePath.c_str());
    RemoveDirectoryA(folder.c_str());

    std::printf("script: %.2f MB (%zu bytes packed), %zu tokens\n", megabytes, archive.size(), tokens);
    std::printf("tokenizer pass      %8.2f ms  %8.1f MB/s\n", tokenizeMs, megabytes / tokenizeMs * 1000);
    std::printf("compile from memory %8.2f ms  %8.1f MB/s\n", memoryMs, megabytes / memoryMs * 1000);
    std::printf("compile from archive%8.2f ms  %8.1f MB/s\n", archiveMs, megabytes / archiveMs * 1000);

    // A for loop runs its test, its body, its step and its jump back each
    // pass, and the initialisation and the failing test once.
    double ms = 0;
    const int passesA = 240000;
    const int statementsA = 4 * passesA + 2;
    const double rateA = StatementsPerSecond("for (@1 = 0; @1 < 240000; @1++) if (@2 += @1) ;", statementsA, 5, &ms);
    std::printf("scene update, assignments and conditional jumps: %d statements in %.2f ms, %.1f million/s\n",
                statementsA, ms, rateA / 1e6);
    std::printf("  the loop guard's 1,000,000 statements take %.1f ms\n", 1e6 / rateA * 1000);
    const int passesB = 330000;
    const int statementsB = 3 * passesB + 2;
    const double rateB = StatementsPerSecond("for (@1 = 0; @1 < 330000; @1++) ;", statementsB, 5, &ms);
    std::printf("scene update, empty loop: %d statements in %.2f ms, %.1f million/s\n", statementsB, ms,
                rateB / 1e6);
    return 0;
}
