#include "ceaspeaker.h"

#include "edidtypes.h"

bool SpeakerAllocation::hasSpeaker(int speaker) const
{
    const int index = speaker / 8;
    return index < m_payload.size() && (Byte(m_payload.at(index)) & (1 << (speaker % 8)));
}

void SpeakerAllocation::setSpeaker(int speaker, bool on)
{
    // A short loaded payload is padded with zeros, a long one loses its extra bytes.
    m_payload = m_payload.leftJustified(CEA_SPEAKER_PAYLOAD_SIZE, '\0', true);
    const Byte mask = Byte(1 << (speaker % 8));
    const int index = speaker / 8;
    const Byte byte = Byte(m_payload.at(index));
    m_payload[index] = char(on ? (byte | mask) : (byte & ~mask));
}
