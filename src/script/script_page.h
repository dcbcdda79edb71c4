// The compiled body of a page or of a class method: its statements in
// execution order and the labels the compiler has read so far.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "script/statement_record.h"

class CScriptPage {
public:
    // The most statements a page holds: indices are 16 bits wide, and the
    // index after the last statement must still be free to end the page.
    static constexpr size_t kMaxStatements = 65535;

    // Appends a record with an empty target path. A page that would grow
    // past kMaxStatements is a compile error.
    void Append(std::unique_ptr<CScriptCommand> command);
    // Appends a record whose command goes to every node the path reaches;
    // the same limit holds.
    void AppendAt(std::string path, std::unique_ptr<CScriptCommand> command);
    // Moves every record of body to the end of this page, in order, and
    // leaves body empty; the same limit holds.
    void AppendPage(CScriptPage& body);

    // The record at index, or null when index is at or past the end.
    CStatementRecord* At(int index) {
        return index < static_cast<int>(records_.size()) ? &records_[index] : nullptr;
    }
    size_t Size() const { return records_.size(); }
    const std::vector<CStatementRecord>& Records() const { return records_; }

    // Label name -> the index of the statement that follows the label.
    std::map<std::string, int>& Labels() { return labels_; }

private:
    void Reserve(size_t more);

    std::vector<CStatementRecord> records_;
    std::map<std::string, int> labels_;
};
