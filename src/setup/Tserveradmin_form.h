#pragma once

#include "data/Dataset.h"

#include <QWidget>

#include <memory>

class QKeyEvent;

namespace Ui {
class Tserveradmin_form;
}

namespace kelvra {

struct AppContext;
class ScreenFrame;
class SensorPickers;

// Server administration: deletes one department's old data from the server, and hides two
// commands that go further.
class Tserveradmin_form : public QWidget
{
    Q_OBJECT

public:
    explicit Tserveradmin_form(AppContext& context, QWidget* parent = nullptr);
    ~Tserveradmin_form() override;

    void dept_drop();
    void dept_click();
    // The Delete button ("delete" is a word of the language).
    void deleteClick();
    void exitclose();
    // The hidden "+" and "*" commands; true when the key was one of them (it is consumed).
    bool CODE_BACK_DOOR(QKeyEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void formcreate();
    void dropAllTables();
    void deleteDepartment();

    AppContext& m_context;
    std::unique_ptr<Ui::Tserveradmin_form> m_ui;
    ScreenFrame* m_frame = nullptr;
    SensorPickers* m_pickers = nullptr;
};

} // namespace kelvra
