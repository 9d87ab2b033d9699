#pragma once

#include <cstdint>
#include <memory>
#include <new>

#include "data/collection_limits.h"
#include "data/data_file.h"
#include "data/missing_file.h"

// Loads a statistics file: a count, then `fields` integers per entry, read
// into a fresh array. A missing file is reported and leaves it empty, as
// does a count that is not sensible; numbers the file does not supply
// read as 0. Record must be made of int32 fields only.
template <typename Record>
std::int32_t readStatsFile(const char* path, std::unique_ptr<Record[]>& records,
                           void (*readRecord)(DataFile&, Record&)) {
    DataFile file(path);
    if (!file.isOpen()) {
        reportMissingFile(path);
        return 0;
    }
    std::int32_t announced = 0;
    file.readInt(announced);
    if (!isSensibleCount(announced)) {
        return 0;
    }
    records.reset(new (std::nothrow) Record[announced]());
    if (!records) {
        return 0;
    }
    for (std::int32_t i = 0; i < announced; ++i) {
        readRecord(file, records[i]);
    }
    return announced;
}
