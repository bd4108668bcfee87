// Feeds arbitrary bytes to the enhanced-metafile walk that reads which fonts a drawing drew with.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz_require.h"
#include "probe/emf_font_records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly the input's size, so that ASan sees any read past it.
    const std::vector<std::uint8_t> bytes(data, data + size);
    const auto faces = mProbe::ReadDrawnFontFaces(bytes);

    // Each face comes from a text record of at least 20 bytes after a header of at least 88.
    Require(faces.size() <= (size < 88 ? 0 : (size - 88) / 20));
    for (const auto& face : faces) Require(!face.empty() && face.size() <= 32);

    // What follows the bytes never changes what was read from them whole.
    std::vector<std::uint8_t> longer = bytes;
    longer.insert(longer.end(), {14, 0, 0, 0, 20, 0, 0, 0});
    const auto again = mProbe::ReadDrawnFontFaces(longer);
    Require(again.size() >= faces.size());
    for (std::size_t i = 0; i < faces.size(); ++i) Require(again[i] == faces[i]);
    return 0;
}
