#ifndef CEASPEAKER_H
#define CEASPEAKER_H

#include <QByteArray>

// Speaker positions of the CEA-861-F speaker allocation data block. Position
// n is bit n % 8 of payload byte n / 8; a pair of speakers shares one bit.
enum CEASpeaker {
    SPEAKER_FL_FR = 0,
    SPEAKER_LFE,
    SPEAKER_FC,
    SPEAKER_RL_RR,
    SPEAKER_RC,
    SPEAKER_FLC_FRC,
    SPEAKER_RLC_RRC,
    SPEAKER_FLW_FRW,
    SPEAKER_FLH_FRH,
    SPEAKER_TC,
    SPEAKER_FCH,
    SPEAKER_COUNT
};

constexpr int CEA_SPEAKER_PAYLOAD_SIZE = 3;

// The payload of a speaker allocation block. A loaded payload is kept byte
// for byte, whatever its length, until a speaker is changed; from then on
// it is exactly 3 bytes (the bits of no speaker position keep their value).
class SpeakerAllocation
{
public:
    SpeakerAllocation() : m_payload(CEA_SPEAKER_PAYLOAD_SIZE, '\0') {}
    explicit SpeakerAllocation(const QByteArray& payload) : m_payload(payload) {}

    bool hasSpeaker(int speaker) const;
    void setSpeaker(int speaker, bool on);
    QByteArray payload() const { return m_payload; }

private:
    QByteArray m_payload;
};

#endif
