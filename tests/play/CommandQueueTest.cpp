#include <gtest/gtest.h>

#include <string>

#include "play/CCommandQueue.h"

// Commands typed during an operation wait for the outermost one, run in the
// order typed, each once, and nothing runs once the program is ending.
TEST(CommandQueue, HoldsCommandsUntilTheOutermostOperationReturns) {
    CCommandQueue queue;
    std::string ran;
    const auto command = [&](char c) { return [&ran, &queue, c] { ran += c; ran += queue.IsBusy() ? "+" : "-"; }; };
    queue.Submit(1, command('a'));  // idle: at once, as an operation of its own
    EXPECT_EQ(ran, "a+");
    {
        CCommandQueue::CScope outer(queue);
        {
            CCommandQueue::CScope inner(queue);
            queue.Submit(2, command('b'));
            queue.Submit(3, command('c'));
            queue.Submit(2, command('x'));  // held already
        }
        EXPECT_EQ(ran, "a+");
    }
    EXPECT_EQ(ran, "a+b+c+");
    EXPECT_FALSE(queue.IsBusy());
    // A command that ends the program drops what was typed after it.
    queue.Enter();
    queue.Submit(4, [&] { queue.Close(); });
    queue.Submit(5, command('d'));
    queue.Leave();
    queue.Submit(6, command('e'));
    EXPECT_EQ(ran, "a+b+c+");
}
