// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/KnownFactsCounter.h"

#include "overview/OverviewModel.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
// What a worker needs of a row: not the results, which can be a thousand per child.
ChildFile withoutResults(const ChildFile& file) {
    ChildFile copy;
    copy.path = file.path;
    copy.state = file.state;
    copy.settings = file.settings;
    return copy;
}
} // namespace

KnownFactsCounter::KnownFactsCounter(OverviewModel* model, const std::filesystem::path& folder,
                                     QObject* parent)
    : QObject(parent), model_(model), sideLogs_(std::make_shared<const SideLogListing>(folder)),
      total_(model->rowCount()) {
    // Reading waits on the disk or the network more than on the processor.
    pool_.setMaxThreadCount(std::max(4, QThread::idealThreadCount()));
    for (int row = 0; row < total_; ++row) {
        pool_.start([this, row, file = withoutResults(model->row(row).file)]() {
            if (!stopping_) {
                count(row, file);
            }
        });
    }
}

KnownFactsCounter::~KnownFactsCounter() {
    stopping_ = true;
    pool_.clear();
    pool_.waitForDone();
}

void KnownFactsCounter::count(int row, const ChildFile& file) {
    ChildFluency fluency = readChildFluency(file, *sideLogs_);
    // Queued to this object's thread; dropped if this object is gone by then.
    QMetaObject::invokeMethod(
        this, [this, row, fluency = std::move(fluency)]() mutable { deliver(row, fluency); },
        Qt::QueuedConnection);
}

void KnownFactsCounter::deliver(int row, ChildFluency fluency) {
    model_->setFluency(row, std::move(fluency));
    if (++counted_ == total_) {
        emit finished();
    }
}

void KnownFactsCounter::waitUntilDone() {
    pool_.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}
