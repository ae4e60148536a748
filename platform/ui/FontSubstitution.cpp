#include "platform/ui/FontSubstitution.h"

#include "platform/ui/QtText.h"

namespace platform {

namespace {

QString FoldedFace(const QString& face) {
    return face.normalized(QString::NormalizationForm_KC).toLower().remove(' ');
}

} // namespace

QString SubstituteFontFamily(const CString& faceNameCp932) {
    QString face = ToQString(faceNameCp932).trimmed();
    const QString folded = FoldedFace(face);
    if (folded.isEmpty() || folded == "system" || folded == "fixedsys" || folded == "terminal") {
        return QStringLiteral("Noto Sans Mono CJK JP");
    }
    const bool proportional = folded.startsWith(u"msp") || folded.startsWith(u"msui");
    if (folded.contains(u"明朝") || folded.contains(u"mincho")) {
        return QStringLiteral("Noto Serif CJK JP");
    }
    if (folded.contains(u"ゴシック") || folded.contains(u"gothic")) {
        return proportional ? QStringLiteral("Noto Sans CJK JP") : QStringLiteral("Noto Sans Mono CJK JP");
    }
    return face;
}

bool IsSubstitutedWindowsFace(const CString& faceNameCp932) {
    const QString face = ToQString(faceNameCp932).trimmed();
    return FoldedFace(SubstituteFontFamily(faceNameCp932)) != FoldedFace(face);
}

} // namespace platform
