#pragma once

#include <functional>

#include <QApplication>
#include <QTimer>
#include <QWidget>

// Waits (from inside the modal loop that is about to start) for a modal window
// of type W to come up, then hands it to answer. Gives up after timeoutMs and
// closes whatever is modal, so a test fails instead of hanging.
template <typename W>
void answerModal(std::function<void(W*)> answer, bool* answered, int timeoutMs = 10000)
{
    auto* timer = new QTimer;
    auto* elapsed = new int(0);
    QObject::connect(timer, &QTimer::timeout, [=] {
        *elapsed += 10;
        if (auto* modal = qobject_cast<W*>(QApplication::activeModalWidget()); modal && modal->isVisible() && modal->isActiveWindow()) {
            timer->stop();
            timer->deleteLater();
            delete elapsed;
            *answered = true;
            answer(modal);
        } else if (*elapsed > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete elapsed;
            if (QWidget* stuck = QApplication::activeModalWidget())
                stuck->close();
        }
    });
    timer->start(10);
}
