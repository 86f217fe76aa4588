// CheckWorker: pages checked on a thread of its own, the newest waiting request of a
// document replacing older ones.
#include "CheckTestSupport.h"
#include "core/check/CheckWorker.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

namespace velto::test {
namespace {

// Collects results as the worker delivers them.
struct Results {
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<CheckWorker::Result> list;

    void Add(CheckWorker::Result r) {
        const std::lock_guard lock(mutex);
        list.push_back(std::move(r));
        arrived.notify_all();
    }
    void WaitFor(std::size_t count) {
        std::unique_lock lock(mutex);
        arrived.wait(lock, [&] { return list.size() >= count; });
    }
};

// Holds the worker inside a check until released.
struct Gate {
    std::mutex mutex;
    std::condition_variable changed;
    bool entered = false;
    bool open = false;

    bool Pass() {
        std::unique_lock lock(mutex);
        entered = true;
        changed.notify_all();
        changed.wait(lock, [&] { return open; });
        return true;
    }
    void WaitEntered() {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return entered; });
    }
    void Open() {
        const std::lock_guard lock(mutex);
        open = true;
        changed.notify_all();
    }
};

CheckWorker::Job MakeJob(std::uint64_t document, std::uint64_t generation, std::string text,
                         const std::shared_ptr<const CheckVocabulary>& vocabulary) {
    CheckWorker::Job job;
    job.document = document;
    job.generation = generation;
    job.text = std::move(text);
    job.vocabulary = vocabulary;
    job.settings = std::make_shared<CheckSettings>();
    return job;
}

TEST(Worker, ChecksOffTheCallersThreadAndKeepsOnlyTheNewestWaitingRequest) {
    CHtmlConfig html;
    const CEditorConfig editor;
    HtmlKnowledgeBase kb(html, editor);
    kb.RebuildAllowed();
    const auto vocabulary = std::make_shared<const CheckVocabulary>(kb);

    Results results;
    Gate gate;
    CheckWorker worker([&](CheckWorker::Result r) { results.Add(std::move(r)); });
    ASSERT_TRUE(worker.Running());

    // The first check waits in its file probe while three more requests arrive.
    CheckWorker::Job first = MakeJob(1, 1, "<img src=a.png alt=x>", vocabulary);
    first.documentPath = "/nowhere/page.html";
    first.fileExists = [&gate](const std::string&) { return gate.Pass(); };
    worker.Submit(std::move(first));
    gate.WaitEntered();
    worker.Submit(MakeJob(1, 2, "<p>two", vocabulary));
    worker.Submit(MakeJob(2, 1, "<foo>other document</foo>", vocabulary));
    worker.Submit(MakeJob(1, 3, "<p>three</span>", vocabulary));
    gate.Open();
    results.WaitFor(3);

    ASSERT_EQ(results.list.size(), 3u);
    EXPECT_EQ(results.list[0].generation, 1u);
    // Generation 2 of document 1 was replaced by 3 before its turn came.
    EXPECT_EQ(results.list[1].document, 1u);
    EXPECT_EQ(results.list[1].generation, 3u);
    EXPECT_EQ(results.list[2].document, 2u);
    bool stray = false;
    for (const Problem& p : results.list[1].problems)
        stray = stray || p.rule == Rule::StrayEndTag;
    EXPECT_TRUE(stray);
    // Each text comes back with its result, for the caller to use its memory again.
    EXPECT_EQ(results.list[1].text, "<p>three</span>");
    EXPECT_EQ(worker.ChecksRun(), 3u);
}

TEST(Worker, AForgottenDocumentIsNotChecked) {
    CHtmlConfig html;
    const CEditorConfig editor;
    HtmlKnowledgeBase kb(html, editor);
    kb.RebuildAllowed();
    const auto vocabulary = std::make_shared<const CheckVocabulary>(kb);
    Results results;
    Gate gate;
    CheckWorker worker([&](CheckWorker::Result r) { results.Add(std::move(r)); });
    CheckWorker::Job first = MakeJob(1, 1, "<img src=a.png alt=x>", vocabulary);
    first.documentPath = "/nowhere/page.html";
    first.fileExists = [&gate](const std::string&) { return gate.Pass(); };
    worker.Submit(std::move(first));
    gate.WaitEntered();
    worker.Submit(MakeJob(2, 1, "<p>closed document", vocabulary));
    worker.Forget(2);
    worker.Submit(MakeJob(3, 1, "<p>open document", vocabulary));
    gate.Open();
    results.WaitFor(2);
    EXPECT_EQ(results.list[1].document, 3u);
}

} // namespace
} // namespace velto::test
