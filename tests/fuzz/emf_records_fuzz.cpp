// Feeds arbitrary bytes to the enhanced-metafile walk that reads which fonts a drawing created.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz_require.h"
#include "probe/emf_font_records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly the input's size, so that ASan sees any read past it.
    const std::vector<std::uint8_t> bytes(data, data + size);
    const auto faces = mProbe::ReadCreatedFontFaces(bytes);

    // Each face comes from a record of at least 104 bytes after a header of at least 8.
    Require(faces.size() <= (size < 88 ? 0 : (size - 8) / 104));
    for (const auto& face : faces) Require(face.size() <= 32);

    // What follows the bytes never changes what was read from them whole.
    std::vector<std::uint8_t> longer = bytes;
    longer.insert(longer.end(), {14, 0, 0, 0, 20, 0, 0, 0});
    const auto again = mProbe::ReadCreatedFontFaces(longer);
    Require(again.size() >= faces.size());
    for (std::size_t i = 0; i < faces.size(); ++i) Require(again[i] == faces[i]);
    return 0;
}
