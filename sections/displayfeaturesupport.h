#ifndef DISPLAYFEATURESUPPORT_H
#define DISPLAYFEATURESUPPORT_H

#include "edidrecords.h"
#include "sectioneditor.h"

// Placeholder editor: keeps its bytes as loaded until the real form exists.
class DisplayFeatureSupport : public SectionEditor
{
    Q_OBJECT
public:
    explicit DisplayFeatureSupport(QWidget* parent = nullptr);
    void initFields(const T_EDID_FEATURE_SUPPORT& record, Byte* data, Byte* newData);
    void resetFields(Byte* data, Byte* newData);
public slots:
    void inputTypeChanged(Bool) {}

public:
    void adaptToEDIDVersion(Word revision) { m_revision = revision; }

private:
    Word m_revision = 3;
};

#endif
