#include "screens/save_def.h"

#include <utility>

#include "platform/data_file.h"
#include "platform/error_report.h"
#include "platform/memory_reader.h"
#include "platform/tokenizer.h"

const std::string SaveDefFileName = "System/Save.def";

namespace {

// A longer line is read as lines of this size less one and the rest.
constexpr int kLineBufferSize = 1024;

SaveDefEntry ReadEntry(const char* line) {
    CTokenizer tokenizer(line);
    tokenizer.AddSymbols(",", "");
    SaveDefEntry entry;
    tokenizer.NextToken(entry.key);
    tokenizer.SkipToken();
    tokenizer.NextToken(entry.picture);
    tokenizer.SkipToken();
    tokenizer.NextToken(entry.comment);
    return entry;
}

}  // namespace

SaveDefTable ReadSaveDef(const SaveDefErrorSites& sites) {
    CDataFile file;
    if (file.OpenWhole(SaveDefFileName, false) != 0) {
        ErrorReport(ErrorKind::FileIO, sites.module, sites.fileMissing);
    }
    CMemoryReader reader(reinterpret_cast<const char*>(file.GetData()), static_cast<int>(file.GetSize()));
    SaveDefTable table;
    char line[kLineBufferSize];
    for (;;) {
        const int result = reader.ReadLine(line, kLineBufferSize);
        if (result != CMemoryReader::kLineRead && result != CMemoryReader::kLineBufferFull) break;
        if (line[0] == '\0' || line[0] == '#') continue;
        SaveDefEntry entry = ReadEntry(line);
        if (table.count(entry.key)) ErrorReport(ErrorKind::Internal, sites.module, sites.repeatedKey);
        table.emplace(entry.key, std::move(entry));
    }
    return table;
}
