// The byte format of the birthday list, shared by backup files and the working store: a
// 25-byte resource header, "TPF0", and the component's collection of entries as typed property
// values. Text is 8-bit in a code page; text outside ASCII is stored as UTF-8.
#pragma once

#include "base/result/Result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace formats::birthdays {

// The stored properties of one entry, at their defaults.
struct EntryValues {
    std::string FullName;
    double BirthDate = 0; // days since 1899-12-30
    int32_t Icon = -1;
    std::string Notes;

    friend bool operator==(const EntryValues&, const EntryValues&) = default;
};

// What a stream held, as far as it could be read.
struct StreamContent {
    // The entries read whole before any fault.
    std::vector<EntryValues> Entries;
    // The stored list began at least one entry, so it replaces the list in memory; an empty
    // stored list leaves that list as it is.
    bool ReplacesList = false;
    // Why the stream could not be read to its end (Damaged, or Refused for text the code page
    // cannot hold); Ok when it was read whole.
    base::result::Status Status;
};

// Writes entries, one by one, in list order; Finish gives the whole stream.
class EntryStreamWriter {
public:
    // codePage: the code page of the entries' text.
    explicit EntryStreamWriter(int codePage);
    void Add(const EntryValues& entry);
    std::string Finish();

private:
    int codePage_;
    std::string body_;
};

// Reads a stream; text stored as UTF-8 is converted to codePage, and text that code page
// cannot hold is a fault.
StreamContent ReadEntryStream(std::string_view bytes, int codePage);

} // namespace formats::birthdays
