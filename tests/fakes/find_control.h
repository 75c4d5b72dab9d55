#pragma once

#include <QtWidgets>

// The control of a window with this object name, of this class. Controls of
// windows opened from it do not count. A missing control ends the test run.
template <typename Control = QWidget> Control* ctl(const QWidget& window, const char* name)
{
    for (Control* control : window.findChildren<Control*>(QString::fromLatin1(name)))
        if (control->window() == &window)
            return control;
    qFatal("%s has no %s named %s", window.metaObject()->className(), Control::staticMetaObject.className(),
        name);
}

// The timer of a window with this object name. A missing timer ends the test run.
inline QTimer& timerOf(const QObject& window, const char* name)
{
    if (auto* timer = window.findChild<QTimer*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly))
        return *timer;
    qFatal("%s has no timer named %s", window.metaObject()->className(), name);
}

// The menu with this object name, which is a window of its own. A missing menu ends the test run.
inline QMenu& menuNamed(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* menu = qobject_cast<QMenu*>(window); menu && menu->objectName() == QLatin1StringView(name))
            return *menu;
    qFatal("no menu named %s", name);
}
