#include "AssetIndexFile.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "SampleFiles.h"
#include "SampleText.h"
#include "platform/runtime/Codepage.h"
#include "platform/runtime/Text.h"
#include "platform/toolslib/AssetIndexFile.h"

std::string AssetIndexFile::Encode(const Record& record) {
    std::array<std::string, AssetIndex::kFieldCount> fields;
    std::copy(std::begin(record.fields), std::end(record.fields), fields.begin());
    return AssetIndexRecord::Encode(fields);
}

size_t AssetIndexFile::Write(const std::string& path, std::vector<Record> records, const std::string& title,
                             const std::string& country) {
    // Sort on the key as a reader sees it: encoded, cut to its width, read
    // back and trimmed.
    for (Record& r : records) {
        std::string key = ToWindows1252(r.fields[1]);
        if (key.size() > AssetIndex::kFields[1].width) key.resize(AssetIndex::kFields[1].width);
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
    content.reserve(AssetIndex::kRecordSize * (unique.size() + 1));
    for (const Record& r : unique) content += Encode(r);
    WriteSampleFile(path, content);
    return unique.size();
}
