#include "displaydesccolorpointdata.h"

#include "ui_displaydesccolorpointdata.h"
#include "validators.h"

namespace {

const char* const kPointLabels[2] = {"First Additional Color Point", "Second Additional Color Point"};

// Thousandths as shown for a loaded 10-bit code.
int thousandthsOfCode(int code)
{
    return qRound(chromaticityText(code).toDouble() * 1000.0);
}

QString thousandthsText(int thousandths)
{
    return QString::number(thousandths / 1000.0, 'f', 3);
}

QString gammaText(int gamma)
{
    return QString::number(gamma / 100.0, 'f', 2);
}

} // namespace

DisplayDescColorPointData::DisplayDescColorPointData(QWidget* parent)
    : DescriptorEditor(parent), ui(new Ui::DisplayDescColorPointData),
      m_integerValidator(new Validator(QStringLiteral("[^0-9]"), this)),
      m_decimalValidator(new Validator(QStringLiteral("[^0-9.]"), this))
{
    ui->setupUi(this);
    for (int p = 0; p < 2; ++p) {
        const Controls c = controls(p);
        c.index->setValidator(m_integerValidator);
        c.x->setValidator(m_decimalValidator);
        c.y->setValidator(m_decimalValidator);
        c.gamma->setValidator(m_decimalValidator);
        showPoint(p);
    }
}

DisplayDescColorPointData::~DisplayDescColorPointData()
{
    delete ui;
}

DisplayDescColorPointData::Controls DisplayDescColorPointData::controls(int point) const
{
    if (point == 0)
        return {ui->firstColorPointGB, ui->whitePointField, ui->whiteXField, ui->whiteYField, ui->gammaField};
    return {ui->secondColorPointGB, ui->whitePointField2, ui->whiteXField2, ui->whiteYField2, ui->gammaField2};
}

void DisplayDescColorPointData::showPoint(int point)
{
    const Controls c = controls(point);
    const Point& p = m_points[point];
    c.group->setChecked(p.index != 0);
    setFieldText(c.index, QString::number(p.index));
    setFieldText(c.x, p.index != 0 ? thousandthsText(p.x) : QStringLiteral("0"));
    setFieldText(c.y, p.index != 0 ? thousandthsText(p.y) : QStringLiteral("0"));
    setFieldText(c.gamma, gammaText(p.gamma));
}

void DisplayDescColorPointData::resetFields(Byte* savedImage, Byte* workingImage, int slotIndex)
{
    storeImages(savedImage, workingImage, slotIndex);
    for (int p = 0; p < 2; ++p) {
        m_points[p] = Point();
        showPoint(p);
    }
}

void DisplayDescColorPointData::initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor,
                                           Byte* savedImage, Byte* workingImage, int slotIndex)
{
    storeImages(savedImage, workingImage, slotIndex);
    for (int p = 0; p < 2; ++p) {
        const T_EDID_COLOR_POINT& loaded = descriptor.colorPoints.point[p];
        m_points[p] = {loaded.index, thousandthsOfCode(loaded.x), thousandthsOfCode(loaded.y), loaded.gamma};
        const Controls c = controls(p);
        c.group->setChecked(loaded.index != 0);
        setFieldText(c.index, QString::number(loaded.index));
        setFieldText(c.x, chromaticityText(loaded.x));
        setFieldText(c.y, chromaticityText(loaded.y));
        setFieldText(c.gamma, gammaText(loaded.gamma));
    }
    describe();
}

void DisplayDescColorPointData::updateCurrentBlock()
{
    T_EDID_COLOR_POINTS points;
    for (int p = 0; p < 2; ++p) {
        points.point[p] = {m_points[p].index, chromaticityCode(m_points[p].x),
                           chromaticityCode(m_points[p].y), m_points[p].gamma};
    }
    writeSlot([&](Byte* descriptor) { encodeColorPoints(points, descriptor); });
}

FieldDescriptionList DisplayDescColorPointData::describeFields() const
{
    FieldDescriptionList list = {{"Monitor Data Type Tag", "Color Point Data"}};
    for (int p = 0; p < 2; ++p) {
        const Controls c = controls(p);
        if (m_points[p].index == 0) {
            list << FieldDescription(kPointLabels[p], "none");
            continue;
        }
        list << FieldDescription(kPointLabels[p], "~")
             << FieldDescription("White Point Index", c.index->text())
             << FieldDescription("White X", c.x->text())
             << FieldDescription("White Y", c.y->text())
             << FieldDescription("Gamma", c.gamma->text());
    }
    return list;
}

void DisplayDescColorPointData::indexEdited(int point)
{
    QLineEdit* field = controls(point).index;
    const QString text = field->text();
    const int value = text.toInt();
    if (!text.isEmpty() && value >= 1 && value <= 255) {
        m_points[point].index = value;
    } else {
        warn(QStringLiteral("Format Error"), QStringLiteral("White point index must be in range of 1 to 255"));
        setFieldText(field, QString::number(point + 1));
        m_points[point].index = point + 1;
    }
    updateCurrentBlock();
}

void DisplayDescColorPointData::chromaticityEdited(int point, bool isX)
{
    const Controls c = controls(point);
    QLineEdit* field = isX ? c.x : c.y;
    int& stored = isX ? m_points[point].x : m_points[point].y;
    const QString text = field->text();
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (ok && !text.isEmpty() && value >= 0.0 && value <= 0.999) {
        stored = qRound(value * 1000.0);
    } else {
        const QString name = isX ? QStringLiteral("White x Chromaticity") : QStringLiteral("White y Chromaticity");
        warn(QStringLiteral("Range error"), QStringLiteral("%1 must be in range of %2 to %3")
                                                .arg(name).arg(0.0, 0, 'g', 3).arg(0.999, 0, 'g', 3));
        setFieldText(field, QString::number(0.0, 'g', 3));
        stored = 0;
    }
    updateCurrentBlock();
}

void DisplayDescColorPointData::gammaEdited(int point)
{
    QLineEdit* field = controls(point).gamma;
    const QString text = field->text();
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (ok && value >= 1.0 && value <= 3.54) {
        // Rounded: 2.29 is not exact in binary and must not become 228.
        m_points[point].gamma = qRound(value * 100.0);
    } else {
        warn(QStringLiteral("Format Error"), QStringLiteral("Gamma must be in range of 1.00 to 3.54"));
        setFieldText(field, QStringLiteral("1.00"));
        m_points[point].gamma = 100;
    }
    updateCurrentBlock();
}

void DisplayDescColorPointData::groupClicked(int point, bool checked)
{
    m_points[point] = Point();
    if (checked)
        m_points[point].index = point + 1;
    showPoint(point);
    updateCurrentBlock();
}

void DisplayDescColorPointData::on_whitePointField_editingFinished() { indexEdited(0); }
void DisplayDescColorPointData::on_whiteXField_editingFinished() { chromaticityEdited(0, true); }
void DisplayDescColorPointData::on_whiteYField_editingFinished() { chromaticityEdited(0, false); }
void DisplayDescColorPointData::on_gammaField_editingFinished() { gammaEdited(0); }
void DisplayDescColorPointData::on_whitePointField2_editingFinished() { indexEdited(1); }
void DisplayDescColorPointData::on_whiteXField2_editingFinished() { chromaticityEdited(1, true); }
void DisplayDescColorPointData::on_whiteYField2_editingFinished() { chromaticityEdited(1, false); }
void DisplayDescColorPointData::on_gammaField2_editingFinished() { gammaEdited(1); }
void DisplayDescColorPointData::on_firstColorPointGB_clicked(bool checked) { groupClicked(0, checked); }
void DisplayDescColorPointData::on_secondColorPointGB_clicked(bool checked) { groupClicked(1, checked); }
