#pragma once

#include "common/AppContext.h"
#include "data/ConnectionString.h"

#include <QObject>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvra {

// The server configuration panel of the main window: shows the stored connection
// settings, tests a connection with what is typed and saves the settings.
class ServerConfigPanel : public QObject
{
    Q_OBJECT

public:
    ServerConfigPanel(QWidget& panel, AppContext& context);

    // The test's time-outs; tests make them short.
    void setTimeouts(const ServerTimeouts& timeouts) { m_timeouts = timeouts; }

    ServerSettings typedValues() const;

public slots:
    void Server_Setup();
    void ComboBox1Change();
    void Test_Server();
    void Save_Server();
    void Exit_Server_Setup();

private:
    template <typename T> T* control(const char* name) const;

    QWidget& m_panel;
    AppContext& m_context;
    ServerTimeouts m_timeouts;
    QComboBox* m_type;
    QPushButton* m_save;
    QLabel* m_changed;
};

} // namespace kelvra
