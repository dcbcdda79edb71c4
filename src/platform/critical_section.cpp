#include "platform/critical_section.h"

CCriticalSection::CCriticalSection() { InitializeCriticalSection(&section_); }

CCriticalSection::~CCriticalSection() { DeleteCriticalSection(&section_); }

void CCriticalSection::Enter() { EnterCriticalSection(&section_); }

void CCriticalSection::Leave() { LeaveCriticalSection(&section_); }
