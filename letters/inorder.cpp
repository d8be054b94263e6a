#include "inorder.h"

#include <QThread>

namespace tavrin::letters {

int processorCount() {
    // Qt counts the processors this process may run on (taskset, cgroups), not all the machine has.
    return std::max(1, QThread::idealThreadCount());
}

} // namespace tavrin::letters
