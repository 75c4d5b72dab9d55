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
