#pragma once

#include "data/BranchStatement.h"
#include "setup/UserAccountsModel.h"

#include <QWidget>

#include <memory>

namespace Ui {
class TUserupd_form;
}

namespace kelvra {

struct AppContext;
class ConnectingIndicator;
class ScreenFrame;
class SensorPickers;
class SqlOutcome;

// User Accounts: the department users of the server (shown only) and the program's own
// users under "YOU" (added, changed and deleted here).
class TUserupd_form : public QWidget
{
    Q_OBJECT

public:
    explicit TUserupd_form(AppContext& context, QWidget* parent = nullptr);
    ~TUserupd_form() override;

    void FormActivate();
    void deptclick();
    void s2DropDown();
    // A user picked from the list.
    void s2Click(int index);
    void view_btnClick();
    void add_btnClick();
    void update_btnClick();
    void delete_btnClick();
    void load_btnClick();
    void delsel_btnClick();
    void clear_btnClick();
    void exit_btnClick();

private:
    bool isProgramUsers() const;
    void departmentsLoaded(const SqlOutcome& outcome, Branch branch);
    // Fills the user list of the chosen department; with `pick`, views its first user.
    void loadUsers(bool pick);
    void pickEntry(const QString& entry);
    void applyDepartmentMode();
    void clearFields();
    UserInput input() const;
    bool passesChecks();
    // The typed user's local row in df.AdoView; false (after the error box) when it cannot be read.
    bool openTypedUser();
    void writeUser(class Dataset& row);

    AppContext& m_context;
    std::unique_ptr<Ui::TUserupd_form> m_ui;
    ScreenFrame* m_frame = nullptr;
    std::unique_ptr<ConnectingIndicator> m_indicator;
    SensorPickers* m_pickers = nullptr;
    PasswordBox m_password;
    // The operator signed on when the window was created: the change stamps name them.
    QString m_userId;
    bool m_loading = false;
};

} // namespace kelvra
