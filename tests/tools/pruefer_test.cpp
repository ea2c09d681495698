#include "tools/pruefen/pruefer.h"

#include <gtest/gtest.h>
#include <sstream>

TEST(Pruefer, unbekannterBefehlLaeuftNicht) {
    std::ostringstream aus, fehler;
    EXPECT_EQ(pruefen({"/tmp", "x.lev", "lrq"}, aus, fehler), 2);
    EXPECT_TRUE(aus.str().empty());
}
