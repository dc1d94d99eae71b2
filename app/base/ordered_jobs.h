#pragma once

#include <QFuture>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include <exception>
#include <functional>
#include <optional>
#include <vector>

namespace velumo {

// Runs `job(i)` for i in [0, count) on the thread pool and hands each result to `finish(i, r)`
// on the calling thread in index order, so tables and files change in the same order as a
// plain loop would change them. `keepAlive` runs while the caller waits (to keep windows
// painting). An exception thrown by a job is rethrown from here when its turn comes; every job
// has ended before this returns or throws.
template <typename Result>
void runJobsInOrder(int count, const std::function<Result(int)> &job,
                    const std::function<void(int, Result &)> &finish, const std::function<void()> &keepAlive)
{
    struct Outcome
    {
        std::optional<Result> result;
        std::exception_ptr error;
    };
    std::vector<QFuture<Outcome>> futures;
    futures.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        futures.push_back(QtConcurrent::run([&job, i]() {
            Outcome outcome;
            try {
                outcome.result.emplace(job(i));
            } catch (...) {
                outcome.error = std::current_exception();
            }
            return outcome;
        }));
    }
    struct WaitForAll
    {
        std::vector<QFuture<Outcome>> &futures;
        ~WaitForAll()
        {
            for (QFuture<Outcome> &future : futures) {
                future.cancel();
                future.waitForFinished();
            }
        }
    } waitForAll{futures};

    for (int i = 0; i < count; ++i) {
        QFuture<Outcome> &future = futures[size_t(i)];
        while (!future.isFinished()) {
            keepAlive();
            QThread::msleep(2);
        }
        Outcome outcome = future.result();
        if (outcome.error)
            std::rethrow_exception(outcome.error);
        finish(i, *outcome.result);
    }
}

} // namespace velumo
