#pragma once

#include <QDialog>

namespace platform {
class TSecretPanel;
class TURLLabel;
} // namespace platform

// The about box: how to reach the maker, the scrolling credits. Created for each showing.
class TFormAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TFormAboutBox(QWidget* parent = nullptr);

    platform::TURLLabel* LinkMail() const { return m_linkMail; }
    platform::TURLLabel* LinkWeb() const { return m_linkWeb; }
    platform::TSecretPanel* Crediti() const { return m_crediti; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    platform::TURLLabel* m_linkMail;
    platform::TURLLabel* m_linkWeb;
    platform::TSecretPanel* m_crediti;
};
