#ifndef TEXTDESCRIPTOREDITOR_H
#define TEXTDESCRIPTOREDITOR_H

#include "descriptoreditor.h"
#include "textdescriptor.h"

#include <QValidator>

// Refuses characters that one byte of a text descriptor cannot hold, so
// that what the field shows is exactly what is written.
class OneByteTextValidator : public QValidator
{
    Q_OBJECT
public:
    explicit OneByteTextValidator(QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;
};

// Common behaviour of the three 13-character text descriptors (serial
// number, data string, product name); subclasses give the form and texts.
class TextDescriptorEditor : public DescriptorEditor
{
    Q_OBJECT
public:
    struct Texts {
        Byte tag;
        const char* typeName;  // value of "Monitor Data Type Tag"
        const char* textLabel; // label of the text in the description
    };

    TextDescriptorEditor(const Texts& texts, QWidget* parent = nullptr);

    void resetFields(Byte* data, Byte* newData, int slot) override;
    void initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor, Byte* data, Byte* newData,
                    int slot) override;
    void updateCurrentBlock() override;
    FieldDescriptionList describeFields() const override;

protected:
    // Attaches the editor to its form's line edit.
    void setTextField(QLineEdit* field);
    // Takes the line edit's text into the payload and writes the slot.
    void textEdited();

private:
    void takeText(const QString& text);

    Texts m_texts;
    QLineEdit* m_field = nullptr;
    Byte m_payload[DESCRIPTOR_TEXT_LENGTH];
};

#endif
