#include "AssetIndexFile.h"

#include <algorithm>

#include "SampleFiles.h"
#include "SampleText.h"
#include "platform/runtime/Codepage.h"
#include "platform/runtime/Text.h"

std::string AssetIndexFile::Encode(const Record& record) {
    std::string bytes(kRecordSize, ' ');
    for (size_t i = 0; i < 5; ++i) {
        std::string field = ToWindows1252(record.fields[i]);
        if (field.size() > kWidths[i]) field.resize(kWidths[i]);
        bytes.replace(kOffsets[i], field.size(), field);
    }
    return bytes;
}

size_t AssetIndexFile::Write(const std::string& path, std::vector<Record> records, const std::string& title,
                             const std::string& country) {
    // Sort on the key as a reader sees it: encoded, cut to its width, read
    // back and trimmed.
    for (Record& r : records) {
        std::string key = ToWindows1252(r.fields[1]);
        if (key.size() > kWidths[1]) key.resize(kWidths[1]);
        r.fields[1] = Trim(FromWindows1252(key));
    }
    std::stable_sort(records.begin(), records.end(), [](const Record& a, const Record& b) {
        return CompareNoCase(a.fields[1], b.fields[1]) < 0;
    });
    std::vector<Record> unique;
    for (Record& r : records)
        if (unique.empty() || CompareNoCase(unique.back().fields[1], r.fields[1]) != 0)
            unique.push_back(std::move(r));

    Record header;
    header.fields[1] = IntText(static_cast<int64_t>(unique.size()));
    header.fields[2] = title;
    header.fields[3] = country;
    std::string content = Encode(header);
    content.reserve(kRecordSize * (unique.size() + 1));
    for (const Record& r : unique) content += Encode(r);
    WriteFileAtomically(path, content);
    return unique.size();
}
