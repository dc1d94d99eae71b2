#pragma once

#include <QSemaphore>
#include <QThread>
#include <QThreadPool>

#include <exception>
#include <utility>

namespace velumo {

// Runs `work` on a thread of Qt's global pool and waits for it; exceptions come back here.
//
// Qt's raster engine splits every large fill into pieces for the global pool and waits for the
// last piece, except when it already runs on a pool thread. While the album encoder keeps one
// core busy, each split fill waits for a piece queued behind the encoder, which made painting
// a frame two to three times slower than painting it whole on one thread.
template <typename Work>
void callOnPoolThread(Work &&work)
{
    QThreadPool *pool = QThreadPool::globalInstance();
    if (pool->contains(QThread::currentThread())) {
        work();
        return;
    }
    QSemaphore done;
    std::exception_ptr error;
    pool->start([&] {
        try {
            work();
        } catch (...) {
            error = std::current_exception();
        }
        done.release();
    });
    done.acquire();
    if (error)
        std::rethrow_exception(error);
}

} // namespace velumo
