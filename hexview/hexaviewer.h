#ifndef HEXAVIEWER_H
#define HEXAVIEWER_H

#include "decodedtree.h"
#include "edidtypes.h"
#include "imagesections.h"

#include <QPointer>
#include <QWidget>
#include <functional>

namespace Ui { class HexaViewer; }
class DecodedDocument;
class FloatingHexaViewer;
class ImageModel;
class QStringListModel;
class QTableWidget;
class QTableWidgetItem;

// Annotated 16 x 16 view of the whole 256-byte image. It marks the bytes
// that differ from the saved image, explains every byte by a tool tip and
// shows, for the section under the cursor, the descriptions its editor
// handed over. One instance serves the whole program.
//
// A file longer than 256 bytes holds blocks no editor covers; a block
// selector shows each of them in the upper half of the grid, read only,
// explained by the sections the full decode finds in it.
class HexaViewer : public QWidget
{
    Q_OBJECT
public:
    // The sections of the image, in the order of the byte map.
    using Section = ImageSectionId;

    static HexaViewer* instance();
    ~HexaViewer() override;

    // Follows the document's bytes: every change the model announces is
    // shown at once, marked against the saved image.
    void setModel(const ImageModel* model);
    void setData(const Byte* newData);
    void refreshBytes(const Byte* data, const Byte* newData, int first, int last);
    void highlightBytes(int first, int last);
    void setExtensionLayout(bool on);
    bool extensionLayout() const { return m_extensionLayout; }
    void clearChangeMarks();

    void setVendorProductDescription(const FieldDescriptionList& list);
    void setVersionDescription(const FieldDescriptionList& list);
    void setDisplayParametersDescription(const FieldDescriptionList& list);
    void setColorCharacteristicsDescription(const FieldDescriptionList& list);
    void setEstablishedTimingsDescription(const FieldDescriptionList& list);
    void setStandardTimingsDescription(const FieldDescriptionList& list);
    void setDescriptorDescription(int slot, const FieldDescriptionList& list);
    void setExtensionCountDescription(const FieldDescriptionList& list);
    void setCEAFlagDescription(const FieldDescriptionList& list);
    void setCEAMonitorSupportDescription(const FieldDescriptionList& list);
    // A descriptor slot whose editor is not made yet: `outline` stands for
    // its description until the description is first read or shown, when
    // `describe` makes the editor, which then hands over its own.
    void setPendingDescriptorDescription(int slot, const FieldDescriptionList& outline,
                                         std::function<void()> describe);
    // Descriptions handed over while `describe` runs are kept without
    // showing their section.
    void describeQuietly(const std::function<void()>& describe);
    FieldDescriptionList description(Section section);

    // The full decode of the document, for the blocks past the image.
    void setDecodedDocument(DecodedDocument* decoded);
    // The block the grid shows: 0 for the image (blocks 0 and 1), else a
    // later block. False when the document has no such block.
    bool showBlock(int block);
    int shownBlock() const { return m_block; }
    // Shows bytes first..last (absolute file offsets): the block that
    // holds them, the section of the first byte, the bytes highlighted.
    void showBytes(int first, int last);
    // An editor of a CTA-861 data block or timing rewrote the bytes from
    // image byte `index` on: the panel shows that block decoded, as the
    // other editors bring their section into it. Nothing happens before
    // the viewer's form is made.
    void describeDataBlockAt(int index);
    // The row of the shown list that describes the byte chosen last; -1
    // when no field of the section covers it.
    int shownFieldRow() const { return m_shownFieldRow; }

    void openFloating(const QString& styleSheet);
    void showFloating(bool visible);
    void closeFloating();
    FloatingHexaViewer* floatingViewer();

    // What the description panel and the conversion panel show (for tests
    // and for the floating view).
    Section shownSection() const { return m_shownSection; }
    QString blockName() const;
    QString sizeText() const;
    QStringList shownLabels() const;
    QStringList shownValues() const;
    QString conversionText(int field) const;
    QPair<int, int> highlightedRange() const { return {m_highlightFirst, m_highlightLast}; }

    // The grid, made with the rest of the form when first asked for; the
    // form must be made before the viewer is first shown.
    QTableWidget* grid();
    void ensureForm();

    static Section sectionOfByte(int index, bool extensionLayout);
    static QString toolTipOfByte(int index);

private slots:
    void on_displayByteArray_cellClicked(int row, int column);
    void on_blockMulti_activated(int index);
    void updateBlockSelector();
    void onDecoded();

private:
    explicit HexaViewer(QWidget* parent = nullptr);
    Ui::HexaViewer* formOf();
    void setupGrid();
    void showCells();
    void showCell(int index);
    void paintHighlight(const QColor& colour);
    void setCell(int index, Byte value, bool changed);
    void setDescription(Section section, const FieldDescriptionList& list);
    void showSection(Section section);
    void chooseByte(int index);
    void showDecodedSection(int index);
    bool showDecodedDataBlock(int index);
    void showLists(const FieldDescriptionList& list);
    void showImageCells();
    void showBlockCells();
    int firstShownByte() const { return m_block * EDID_BLOCK_SIZE; }
    QTableWidgetItem* itemOfByte(int index) const;
    QColor cellBackground() const;
    void resolvePending(Section section);

    // Null until the form is first needed: until then the cells, the
    // highlight and the shown section are only kept here.
    Ui::HexaViewer* ui = nullptr;
    QStringListModel* m_labelsModel;
    QStringListModel* m_valuesModel;
    FloatingHexaViewer* m_floating = nullptr;
    // The images last shown, for a floating grid made later.
    const Byte* m_saved = nullptr;
    const Byte* m_working = nullptr;
    struct Cell {
        int value = -1; // no text yet
        enum Mark { NoMark, Unchanged, Changed } mark = NoMark;
    };
    Cell m_cells[EDID_IMAGE_SIZE];
    bool m_cellChosen = false;
    bool m_sectionShown = false;
    FieldDescriptionList m_descriptions[ImageSectionCount];
    std::function<void()> m_pendingDescriptions[ImageSectionCount];
    bool m_quiet = false;
    Section m_shownSection = HeaderSection;
    int m_highlightFirst = -1;
    int m_highlightLast = -1;
    bool m_extensionLayout = false;
    QPointer<const ImageModel> m_model;
    QPointer<DecodedDocument> m_decoded;
    int m_block = 0;
    int m_shownFieldRow = -1;
    // The byte whose decoded section the panel shows (-1: a table section):
    // shown again with its new values after every decode.
    int m_shownDecodedByte = -1;
};

#endif
