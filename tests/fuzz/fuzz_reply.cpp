// libFuzzer target: any bytes as the controller's reply, through the link and every screen (ReplyPath).
#include "ReplyPath.h"

#include <QCoreApplication>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    new QCoreApplication(*argc, *argv); // lives as long as the process
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    otthon::testing::runReply(QByteArrayView(data, qsizetype(size)));
    return 0;
}
