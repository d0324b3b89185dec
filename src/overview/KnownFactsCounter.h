// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "overview/ChildAnswers.h"
#include "overview/ChildFile.h"
#include "overview/ChildFluency.h"

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <filesystem>
#include <memory>

class OverviewModel;

// Counts the facts each child knows on worker threads once the overview is made, and hands
// each child's counts to the model as they come. A class's year of answers is hundreds of
// megabytes of logs, seconds to read from a school's share: so the table shows at once and
// its known columns fill in. Only reads the folder.
class KnownFactsCounter : public QObject {
    Q_OBJECT
public:
    KnownFactsCounter(OverviewModel* model, const std::filesystem::path& folder, QObject* parent);
    // Stops the children not yet begun and waits for those being read.
    ~KnownFactsCounter() override;

    // Returns once every row's counts are in the model.
    void waitUntilDone();
    bool done() const { return counted_ == total_; }

signals:
    void finished();

private:
    void count(int row, const ChildFile& file);
    void deliver(int row, ChildFluency fluency);

    OverviewModel* model_;
    std::shared_ptr<const SideLogListing> sideLogs_;
    std::atomic<bool> stopping_{false};
    int total_ = 0;
    int counted_ = 0;
    QThreadPool pool_;
};
