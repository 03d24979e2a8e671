// The size and content hash of a file, which tell whether it is still what was installed.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct XXH3_state_s;

namespace korvex {

struct FileDigest {
    std::uintmax_t size = 0;
    std::string hash;  // XXH3 128-bit, 32 lower-case hex digits

    bool operator==(const FileDigest&) const = default;
};

// Hashes bytes as they pass, so that a copy needs no second read.
class DigestBuilder {
public:
    DigestBuilder();

    void Add(std::string_view bytes);
    FileDigest Finish() const;

private:
    struct Free {
        void operator()(XXH3_state_s* state) const;
    };
    std::unique_ptr<XXH3_state_s, Free> state_;
    std::uintmax_t size_ = 0;
};

// Nothing when the file is no plain file or cannot be read.
std::optional<FileDigest> DigestOfFile(const std::string& path);

}  // namespace korvex
