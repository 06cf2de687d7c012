#include "textdescriptoreditor.h"

#include "textdescriptor.h"

#include <QLineEdit>
#include <cstring>

OneByteTextValidator::OneByteTextValidator(QObject* parent) : QValidator(parent)
{
}

QValidator::State OneByteTextValidator::validate(QString& input, int&) const
{
    return descriptorTextEncodable(input) ? Acceptable : Invalid;
}

TextDescriptorEditor::TextDescriptorEditor(const Texts& texts, QWidget* parent)
    : DescriptorEditor(parent), m_texts(texts)
{
    encodeDescriptorText(QString(), m_payload);
}

void TextDescriptorEditor::setTextField(QLineEdit* field)
{
    m_field = field;
    m_field->setMaxLength(DESCRIPTOR_TEXT_LENGTH);
    m_field->setValidator(new OneByteTextValidator(this));
}

void TextDescriptorEditor::resetFields(Byte* savedImage, Byte* workingImage, int slotIndex)
{
    storeImages(savedImage, workingImage, slotIndex);
    setFieldText(m_field, QString());
    encodeDescriptorText(QString(), m_payload);
}

void TextDescriptorEditor::initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor,
                                      Byte* savedImage, Byte* workingImage, int slotIndex)
{
    storeImages(savedImage, workingImage, slotIndex);
    setFieldText(m_field, descriptor.text);
    takeText(descriptor.text);
    describe();
}

void TextDescriptorEditor::takeText(const QString& text)
{
    if (!encodeDescriptorText(text, m_payload))
        encodeDescriptorText(QString(), m_payload);
}

void TextDescriptorEditor::textEdited()
{
    takeText(m_field->text());
    updateCurrentBlock();
}

void TextDescriptorEditor::updateCurrentBlock()
{
    writeSlot([&](Byte* descriptor) {
        writeDescriptorFrame(descriptor, m_texts.tag);
        std::memcpy(descriptor + 5, m_payload, sizeof m_payload);
    });
}

FieldDescriptionList TextDescriptorEditor::describeFields() const
{
    return {{QStringLiteral("Monitor Data Type Tag"), QString::fromLatin1(m_texts.typeName)},
            {QString::fromLatin1(m_texts.textLabel), m_field->text()}};
}
