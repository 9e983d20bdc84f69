#pragma once

#include <functional>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

// Waits (from inside the modal loop that is about to start) for an active modal
// window of type W, hands it to answer, and waits for it to go. A window still
// modal after timeoutMs is closed, so that a test fails instead of hanging.
template <typename W>
void answerModal(std::function<void(W*)> answer, bool* answered, int timeoutMs = 10000)
{
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    auto finish = [timer, clock] {
        timer->stop();
        timer->deleteLater();
        delete clock;
    };
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* wanted = qobject_cast<W*>(modal);
        if (!*answered && wanted && wanted->isVisible() && wanted->isActiveWindow()) {
            *answered = true;
            answer(wanted);
        } else if (*answered && !wanted) {
            finish();
        } else if (clock->hasExpired(timeoutMs)) {
            finish();
            if (modal)
                modal->close();
        }
    });
    timer->start(10);
}
