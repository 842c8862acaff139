#pragma once
// A fault found in a file or a request, as data: where it is (the key path,
// "jobs[1].pay[0].income", or the line and column of a syntax fault), what kind it is, and the
// values its words quote. Each face words it in its own language (the Qt faces through tr());
// nothing here is text for a person.

#include <cstddef>
#include <string>
#include <vector>

namespace formats {

struct Fault {
    std::string Path; // key path; empty at the document's root
    std::string Kind; // a stable key naming the fault
    std::vector<std::string> Values;
    int Line = 0; // of a syntax fault, from 1; 0 elsewhere
    int Column = 0;
};

// "jobs[1]", "jobs[1].pay": the path of an element and of a key below Path.
std::string Item(const std::string &Path, std::size_t Index);
std::string Join(const std::string &Path, const std::string &Key);

} // namespace formats
