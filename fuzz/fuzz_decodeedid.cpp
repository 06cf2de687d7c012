// The full decoder and checker over any bytes: it must read nothing outside
// them (ASan), every finding must point into the file, and a decode must
// equal itself under the diff. When the first input byte is odd every
// 128-byte block gets a valid checksum, and a DisplayID block its section
// checksum, so that most inputs reach the data block walks.
#include "checksum.h"
#include "edidinfo.h"

#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void repairChecksums(QByteArray& bytes)
{
    for (int base = 0; base + EDID_BLOCK_SIZE <= bytes.size(); base += EDID_BLOCK_SIZE) {
        Byte* block = reinterpret_cast<Byte*>(bytes.data()) + base;
        if (block[0] == 0x70 && block[2] <= 121) {
            unsigned sum = 0;
            for (int i = 1; i < 5 + block[2]; ++i)
                sum += block[i];
            block[5 + block[2]] = Byte(256 - sum % 256);
        }
        updateBlockChecksum(block);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    if (size > 0 && (data[0] & 1))
        repairChecksums(bytes);
    Findings findings;
    const DecodedNode root = decodeEdid(bytes, findings);
    for (const Finding& finding : findings)
        require(finding.offset >= -1 && finding.offset + finding.length <= bytes.size() + EDID_BLOCK_SIZE);
    Findings again;
    require(diffDecoded(root, decodeEdid(bytes, again)).isEmpty());
    require(again.size() == findings.size() && hasFailure(again) == hasFailure(findings));
    dumpedEdidBytes(bytes);
    return 0;
}
