#include <gtest/gtest.h>

#include "core/rename/posix_file_operations.h"
#include "tests/rename/disk_suite.h"

namespace zelvan::rename::testing {

INSTANTIATE_TEST_SUITE_P(Posix, RenameOnDisk, ::testing::Values(FileOperationsFactory([] {
                           return std::unique_ptr<TFileOperations>(new TPosixFileOperations);
                         })));

}  // namespace zelvan::rename::testing
