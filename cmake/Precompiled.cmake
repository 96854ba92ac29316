# Most of the time a source file of ours takes to compile goes on reading Qt's headers: our libraries read the
# common ones once, precompiled. Tests are mostly one file each, where a header of their own would not pay.
# otthon_precompile(target [QML] [QUICK]): QML and QUICK add those modules' headers, for targets that link them.
function(otthon_precompile target)
    cmake_parse_arguments(P "QML;QUICK" "" "" ${ARGN})
    set(headers <QObject> <QString> <QStringList> <QByteArray> <QList> <QHash> <QPointer> <QUrl> <QVariant>
        <QDateTime> <QJsonArray> <QJsonDocument> <QJsonObject> <QJsonValue> <QLoggingCategory>
        <algorithm> <functional> <map> <memory> <vector>)
    if(P_QML OR P_QUICK)
        list(APPEND headers <QQmlEngine> <QtQml/qqmlregistration.h>)
    endif()
    if(P_QUICK)
        list(APPEND headers <QQuickItem> <QQuickWindow>)
    endif()
    target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
