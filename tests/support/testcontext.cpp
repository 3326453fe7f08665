#include "testcontext.h"

TestContext::TestContext(QDate heute) : clock(heute), ctx(messages, clock) {
    ctx.Datenpfad = dir.path() + u'/';
}
