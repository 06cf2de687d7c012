#ifndef EDID_H
#define EDID_H

#include "ceaextensionblock.h"
#include "colorcharacteristics.h"
#include "displaydescriptor.h"
#include "displayfeaturesupport.h"
#include "displayscreensize.h"
#include "displaytransfertcharacteristics.h"
#include "displayvideoninput.h"
#include "edidrecords.h"
#include "edidversion.h"
#include "establishedtimings.h"
#include "standardtimings.h"
#include "vendorproductid.h"

#include <QObject>

class ImageModel;

// The EDID document: owns one editor per slice of the base block and the
// extension editor, knows which editor owns which bytes, and drives them
// through load, new image, revision change and the extension switch. The
// two images themselves belong to the main window.
class Edid : public QObject
{
    Q_OBJECT
public:
    // The widgets the base block editors are made in: made there, an editor
    // is never moved into its tab later, which would polish all its controls
    // again under the style sheet. The extension editor is made apart and
    // moved into its tab before it is first shown, so it is polished once,
    // and only if the tab is shown.
    struct Hosts {
        QWidget* baseSections = nullptr;
        QWidget* descriptors = nullptr;
    };

    explicit Edid(QObject* parent = nullptr);
    explicit Edid(const Hosts& hosts, QObject* parent = nullptr);

    // The images of an image model: the editors read through these
    // pointers and write through the model that owns them.
    void setImages(Byte* data, Byte* newData);
    void initFields(const T_EDID_DEF& decoded);
    void resetFields();
    void buildNewImage();
    void adaptToEDIDVersion(bool rewrite);

    EdidVersion& versionRecord() { return m_version; }
    bool hasCEAExtension() const { return m_hasCEA; }
    Word extensionCount() const { return m_extensionCount; }
    void setCEAExtension(int state);
    // While on, showing the document opens no box: an earlier state of the
    // document is put back.
    void setRestoring(bool restoring);

    VendorProductID& vendorProductID() { return m_vendorProduct; }
    DisplayVideonInput& videoInput() { return m_videoInput; }
    DisplayTransfertCharacteristics& transferCharacteristics() { return m_gamma; }
    DisplayScreenSize& screenSize() { return m_screenSize; }
    DisplayFeatureSupport& featureSupport() { return m_featureSupport; }
    ColorCharacteristics& colorCharacteristics() { return m_color; }
    EstablishedTimings& establishedTimings() { return m_established; }
    StandardTimings& standardTimings() { return m_standard; }
    DisplayDescriptor& descriptor(int slot) { return m_descriptors[slot]; }
    CEAExtensionBlock& ceaExtension() { return m_cea; }

public slots:
    void updateEDIDData();

private:
    void describeExtensionCount();
    void loadExtension();
    void clearExtensionBytes();
    void writeExtensionCount();

    ImageModel* m_model = nullptr;
    Byte* m_data = nullptr;
    Byte* m_newData = nullptr;
    VendorProductID m_vendorProduct;
    EdidVersion m_version;
    DisplayVideonInput m_videoInput;
    DisplayTransfertCharacteristics m_gamma;
    DisplayScreenSize m_screenSize;
    DisplayFeatureSupport m_featureSupport;
    ColorCharacteristics m_color;
    EstablishedTimings m_established;
    StandardTimings m_standard;
    DisplayDescriptor m_descriptors[4];
    Word m_extensionCount = 0;
    CEAExtensionBlock m_cea;
    bool m_hasCEA = false;
};

#endif
