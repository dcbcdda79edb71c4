#include "platform/memory_reader.h"

#include "platform/error_report.h"
#include "platform/sjis.h"

CMemoryReader::CMemoryReader(const char* data, int length)
    : cursor_(data), end_(data), line_(1) {
    if (length < 0) ErrorReport(ErrorKind::Internal, kModuleMemoryReader, 26);
    if (data) end_ = data + length;
}

int CMemoryReader::ReadLine(char* buffer, int size) {
    if (!cursor_) return kLineNoData;
    if (cursor_ >= end_) return kLineAtEnd;
    if (!buffer || size < 1) return kLineBufferFull;
    int copied = 0;
    while (cursor_ < end_) {
        const bool pair = IsSjisLeadByte(static_cast<unsigned char>(*cursor_)) && end_ - cursor_ >= 2;
        if (copied + (pair ? 2 : 1) > size - 1) {
            buffer[copied] = '\0';
            return kLineBufferFull;
        }
        if (cursor_[0] == '\r' && end_ - cursor_ >= 2 && cursor_[1] == '\n') {
            buffer[copied] = '\0';
            cursor_ += 2;
            ++line_;
            return kLineRead;
        }
        buffer[copied++] = *cursor_++;
        if (pair) buffer[copied++] = *cursor_++;
    }
    buffer[copied] = '\0';
    return kLineRead;
}
