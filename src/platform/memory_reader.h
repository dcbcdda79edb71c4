// Cuts a block of memory into CR LF lines. The memory belongs to the caller
// and must outlive the reader.
#pragma once

class CMemoryReader {
public:
    // Results of ReadLine.
    enum ReadLineResult {
        kLineRead = 0,
        kLineAtEnd = 1,     // nothing left to read
        kLineBufferFull = 2,
        kLineNoData = 3,    // the reader was made over no memory
    };

    // A negative length is an internal error.
    CMemoryReader(const char* data, int length);
    virtual ~CMemoryReader() = default;

    // Copies the next line, without its CR LF, into buffer as a zero-ended
    // string. Only CR followed by LF ends a line; a lone LF or CR is an
    // ordinary byte. A line that does not fit in size - 1 bytes gives
    // kLineBufferFull with as much as fits, and the rest stays for the next
    // call; a Shift-JIS pair is never split between two calls. The last line
    // needs no CR LF. A buffer of no bytes receives nothing.
    int ReadLine(char* buffer, int size);

    // Lines passed so far, counting from 1.
    int LineNumber() const { return line_; }

private:
    const char* cursor_;
    const char* end_;
    int line_;
};
