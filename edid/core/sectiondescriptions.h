#ifndef SECTIONDESCRIPTIONS_H
#define SECTIONDESCRIPTIONS_H

#include "edidrecords.h"

#include <QStringList>

// The (label, value) lists with which the hex viewer describes the sections
// of a base block. The editors hand these lists to the viewer after a load
// or a write; the command-line tool prints them.

FieldDescriptionList headerDescription();
FieldDescriptionList vendorProductDescription(const T_EDID_VENDOR_PRODUCT& vendorProduct);
// Any revision other than 3 is described as 4, which is what it is edited as.
FieldDescriptionList versionDescription(Word revision);
FieldDescriptionList videoInputDescription(const T_EDID_VIDEO_INPUT_DEF& input, Word revision);
FieldDescriptionList screenSizeDescription(const T_EDID_SCREEN_SIZE_RATIO& size);
FieldDescriptionList featureSupportDescription(const T_EDID_FEATURE_SUPPORT& features, Bool isAnalog,
                                               Word revision);
FieldDescriptionList colorCharacteristicsDescription(const T_EDID_COLOR_CHARACTERISTICS& color);
// The same list from the eight coordinates as the editor shows them
// (red x, red y, ... white y), which may hold what the user typed.
FieldDescriptionList colorCharacteristicsDescription(const QStringList& coordinates);
FieldDescriptionList establishedTimingsDescription(const T_EDID_ESTABLISHED_TIMINGS& timings);
FieldDescriptionList standardTimingDescription(const T_EDID_STANDARD_TIMING& timing);
FieldDescriptionList detailedTimingDescription(const DetailedTimingValues& timing);
FieldDescriptionList extensionCountDescription(int count, bool hasCEA);
FieldDescriptionList checksumDescription();

// Display descriptor slots: the lists of the types whose values the list
// holds, the type tag alone for the others.
FieldDescriptionList unusedDescriptorDescription();
FieldDescriptionList unknownDescriptorDescription(const Byte* descriptor);
FieldDescriptionList textDescriptorDescription(T_EDID_DISPLAY_DESCRIPTORS type, const QString& text);
FieldDescriptionList displayDescriptorDescription(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor);

// Names of the established timings (byte 35 and 36, bit 7 first) and of the
// manufacturer's timing (byte 37 bit 7), as the editor labels them.
extern const char* const kEstablishedTimingNames[16];
extern const char* const kManufacturerTimingName;

// Texts of the items of the choices the editors offer, in item order.
QString signalLevelText(int level);
QString colorBitDepthText(int depth);
QString interfaceTypeText(int interfaceType);
QString analogColorTypeText(int colorType);

#endif
