#include "app/workspace/single_instance.h"

#include "tests/support/temp_tree.h"

#include <memory>

using namespace Qt::Literals::StringLiterals;
using velumo::SingleInstanceLock;

TEST(SingleInstanceLock, SecondHolderIsRefusedUntilTheFirstIsGone)
{
    velumo::test::TempTree tree;
    auto first = std::make_unique<SingleInstanceLock>(u"Velumo"_s, tree.path());
    ASSERT_TRUE(first->tryAcquire());
    EXPECT_TRUE(first->tryAcquire()) << "asking again keeps the lock";

    SingleInstanceLock second(u"Velumo"_s, tree.path());
    EXPECT_FALSE(second.tryAcquire());

    SingleInstanceLock otherProgram(u"Other"_s, tree.path());
    EXPECT_TRUE(otherProgram.tryAcquire());

    first.reset();
    EXPECT_TRUE(second.tryAcquire());
}
