#include "platform/FileDigest.h"

#include <xxhash.h>

#include <cstdio>
#include <fstream>

#include "platform/FileSystem.h"

namespace korvex {

void DigestBuilder::Free::operator()(XXH3_state_s* state) const { XXH3_freeState(state); }

DigestBuilder::DigestBuilder() : state_(XXH3_createState()) { XXH3_128bits_reset(state_.get()); }

void DigestBuilder::Add(std::string_view bytes) {
    XXH3_128bits_update(state_.get(), bytes.data(), bytes.size());
    size_ += bytes.size();
}

FileDigest DigestBuilder::Finish() const {
    const XXH128_hash_t value = XXH3_128bits_digest(state_.get());
    char hex[33];
    std::snprintf(hex, sizeof hex, "%016llx%016llx", static_cast<unsigned long long>(value.high64),
                  static_cast<unsigned long long>(value.low64));
    return {size_, hex};
}

std::optional<FileDigest> DigestOfFile(const std::string& path) {
    if (!RegularFileExists(path)) return std::nullopt;
    std::ifstream in(NativePath(ResolveCase(path)), std::ios::binary);
    if (!in) return std::nullopt;
    DigestBuilder digest;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) digest.Add({buffer, static_cast<std::size_t>(in.gcount())});
    if (in.bad()) return std::nullopt;
    return digest.Finish();
}

}  // namespace korvex
