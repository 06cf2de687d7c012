#ifndef IMAGESECTIONS_H
#define IMAGESECTIONS_H

// The sections of the 256-byte image, as the editors own them, the hex
// viewer explains them and the command-line tool names them: the base
// block's byte map, and the parts of a CTA-861 extension block.
enum ImageSectionId {
    HeaderSection, VendorProductSection, VersionSection, DisplayParametersSection,
    ColorSection, EstablishedSection, StandardSection,
    DescriptorSection0, DescriptorSection1, DescriptorSection2, DescriptorSection3,
    ExtensionCountSection, ChecksumSection, PlainExtensionSection, CEAFlagSection,
    CEAMonitorSupportSection, CEADescriptorBlocksSection, CEAPaddingSection,
    ImageSectionCount
};

struct ImageSection {
    const char* name;
    const char* size;  // as the hex viewer labels it
    int first;         // image bytes, inclusive
    int last;
};

const ImageSection& imageSection(ImageSectionId id);
// The section of descriptor slot 0 to 3.
ImageSectionId descriptorSection(int slot);
// The section an image byte belongs to; `ceaLayout` when the extension
// block is a CTA-861 extension (its checksum byte counts as "Checksum").
ImageSectionId sectionOfByte(int index, bool ceaLayout);

#endif
