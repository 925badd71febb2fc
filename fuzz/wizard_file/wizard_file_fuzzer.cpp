// Reads any bytes as a wizard file, in pieces of a size taken from the first byte, and checks
// that what was read writes back as a file that reads the same.
#include "platform/errors.h"
#include "stencora/templates/wizard_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using stencora::WizardFileReader;
using stencora::WizardParameter;

static std::vector<WizardParameter> ReadAll(WizardFileReader& reader) {
    std::vector<WizardParameter> records;
    // A count far beyond the file gives empty records; a few of them are enough.
    for (int i = 0; i < reader.Count() && (!reader.AtEnd() || records.size() < 3); ++i) {
        WizardParameter record = reader.ReadNext();
        for (auto field : WizardParameter::kFields)
            if ((record.*field).find_first_of("\r\n") != std::string::npos)
                std::abort(); // a field never holds a line end
        records.push_back(std::move(record));
    }
    return records;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const std::size_t bufferSize = 1 + data[0] % 16;
    std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::vector<WizardParameter> records;
    try {
        WizardFileReader reader = WizardFileReader::FromBytes(bytes, bufferSize);
        records = ReadAll(reader);
        // The same bytes in one piece read the same.
        WizardFileReader whole = WizardFileReader::FromBytes(bytes);
        if (whole.Count() != reader.Count() || ReadAll(whole) != records)
            std::abort();
    } catch (const platform::ConvertError&) {
        return 0;
    }
    WizardFileReader again = WizardFileReader::FromBytes(stencora::WizardFileBytes(records), bufferSize);
    if (again.Count() != static_cast<int>(records.size()) || ReadAll(again) != records)
        std::abort();
    return 0;
}
