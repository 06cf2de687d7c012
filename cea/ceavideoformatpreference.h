#ifndef CEAVIDEOFORMATPREFERENCE_H
#define CEAVIDEOFORMATPREFERENCE_H

#include "ceablock.h"
#include "ceaextendedcodecs.h"

#include <QList>

namespace Ui { class CEAVideoFormatPreference; }

// Editor of a video format preference data block (catalogue index 12): an
// ordered list of VICs and detailed timing numbers, most preferred first.
class CEAVideoFormatPreference : public CEABlock
{
    Q_OBJECT
public:
    explicit CEAVideoFormatPreference(QWidget* parent = nullptr);
    ~CEAVideoFormatPreference() override;

    void initFields(int tag, int length, const Byte* payload, Byte* data, Byte* newData) override;
    void resetFields(Byte* data, Byte* newData) override;
    QByteArray blockBytes() const override;

public slots:
    void updateUI() override;

private slots:
    void on_formatMulti_currentIndexChanged(int index);
    void on_codeField_valueChanged(int value);
    void on_addVICButton_clicked();
    void on_addDTDButton_clicked();
    void on_removeButton_clicked();
    void on_upButton_clicked();
    void on_downButton_clicked();
    void on_helpButton_clicked(bool checked);

private:
    void append(const VideoFormatRef& entry);
    // Moves the current entry by `step` rows when it stays in the list.
    void moveCurrent(int step);
    void listChanged();

    Ui::CEAVideoFormatPreference* ui;
    QList<VideoFormatRef> m_entries;
};

#endif
