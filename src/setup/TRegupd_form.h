#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TRegupd_form;
}

namespace kelvra {

struct AppContext;
class ScreenFrame;

// Company Registration: the company record of the local REGISTRATION table.
class TRegupd_form : public QWidget
{
    Q_OBJECT

public:
    explicit TRegupd_form(AppContext& context, QWidget* parent = nullptr);
    ~TRegupd_form() override;

    void view_btnClick();
    void update_btnClick();
    void clear_btnClick();
    void exit_btnClick();
    void FormActivate();

private:
    void clearFields();
    // While no record exists, the company name is entered here once, with the first save.
    void setNameEntry(bool open);

    AppContext& m_context;
    std::unique_ptr<Ui::TRegupd_form> m_ui;
    ScreenFrame* m_frame = nullptr;
    // The operator signed on when the window was created: the change stamps name them.
    QString m_userId;
    bool m_nameEntry = false;
};

} // namespace kelvra
