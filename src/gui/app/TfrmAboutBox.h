#pragma once

#include "gui/app/TfrmSdDialogfeld.h"

class QLabel;
class TSdURL;

// The program's name, version, a short description and the maker's web address.
class TfrmAboutBox final : public TfrmSdDialogfeld
{
    Q_OBJECT
public:
    explicit TfrmAboutBox(QWidget* parent = nullptr);

    static constexpr const char* kMakerAddress = "https://sendora.example/";
    TSdURL* addressLabel() const { return m_address; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    QLabel* m_name = nullptr;
    QLabel* m_version = nullptr;
    QLabel* m_description = nullptr;
    TSdURL* m_address = nullptr;
};
