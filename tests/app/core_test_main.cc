// The hosts are read once per process, so they are set before any test runs.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  setenv("MODIAN_DICTIONARY_SEARCH_HOST", "search.test:8080", 1);
  setenv("MODIAN_DICTIONARY_FILE_HOST", "files.test", 1);
  setenv("MODIAN_STROKE_ORDER_HOST", "127.0.0.1:9", 1);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
