// Any bytes, read as the lines of a pack's pane or as the packed data behind one, unpack
// to exactly the bytes of the pack or to an error that names a line of the pane; never a
// crash, a hang or a read out of bounds. What unpacks packs back to the same bytes.
#include "core/document/pane.h"
#include "core/ground/base64.h"
#include "core/ground/pack.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void check(bool holds)
{
    if (!holds)
        std::abort();
}

void checkUnpacking(vexa::PackId pack, const vexa::MemoryPane& pane)
{
    const vexa::UnpackedPack unpacked = vexa::unpackPack(pack, pane);
    switch (unpacked.status) {
    case vexa::UnpackedPack::Status::NoPack:
        check(unpacked.bytes.empty() && !unpacked.error);
        break;
    case vexa::UnpackedPack::Status::Failed:
        check(unpacked.bytes.empty() && unpacked.error && unpacked.error->paneLine < pane.lineCount() &&
              !unpacked.error->reason.empty());
        break;
    case vexa::UnpackedPack::Status::Unpacked: {
        check(unpacked.bytes.size() == vexa::unpackedSize(pack) && !unpacked.error);
        vexa::MemoryPane packed;
        for (const std::string& line : vexa::packLines(unpacked.bytes))
            packed.append(line);
        check(vexa::unpackPack(pack, packed) == unpacked);
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const vexa::MemoryPane asLines(std::string_view(reinterpret_cast<const char*>(data), size));
    // The same bytes as the packed data itself, so that the chunks are fuzzed without
    // having to come through Base64 first.
    vexa::MemoryPane asData;
    asData.append("1=" + vexa::encodeBase64({data, size}));
    for (const vexa::PackId pack : {vexa::PackId::Map, vexa::PackId::Overlay}) {
        checkUnpacking(pack, asLines);
        checkUnpacking(pack, asData);
    }
    return 0;
}
