// Rendering the user guide from the Markdown built into the program.
#include "ui/guide_window.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "entalix_version.h"
#include "shell/guide_sections.h"

// The resource file lives outside any namespace.
static void load_guide_resource() { Q_INIT_RESOURCE(entalix_guide); }

namespace entalix::ui {

namespace {

const QString kRoot = QStringLiteral(":/guide/");

// The pictures have twice the pixels of a 96 dpi screen.
constexpr qreal kPicturePixelRatio = 2.0;

// The anchor a heading gets on a Markdown site, which the guide's contents link
// to, and which F1 scrolls to.
QString heading_anchor(const QString& heading) {
    return QString::fromStdString(shell::guide_anchor(heading.trimmed().toStdString()));
}

void name_headings(QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0) continue;
        QTextCursor cursor(block);
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat anchor;
        anchor.setAnchor(true);
        anchor.setAnchorNames({heading_anchor(block.text())});
        cursor.mergeCharFormat(anchor);
    }
}

}  // namespace

QString guide_markdown(const QString& formulation) {
    load_guide_resource();
    QFile file(kRoot + QStringLiteral("使用说明.md"));
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("# Entalix 使用说明\n\n说明文件缺失。\n");
    QString text = QString::fromUtf8(file.readAll());
    // Notes to the guide's maintainers are not for the reader.
    text.remove(QRegularExpression(QStringLiteral("<!--.*?-->"), QRegularExpression::DotMatchesEverythingOption));
    const QString line =
        QStringLiteral("\n\n版本 %1 · 水和水蒸汽性质：%2\n").arg(QString::fromLatin1(kVersion), formulation);
    const QRegularExpressionMatch title =
        QRegularExpression(QStringLiteral("^# .*$"), QRegularExpression::MultilineOption).match(text);
    text.insert(title.hasMatch() ? title.capturedEnd() : 0, line);
    return text;
}

GuideWindow::GuideWindow(const QString& formulation) {
    setWindowTitle(QStringLiteral("Entalix 使用说明"));
    setOpenExternalLinks(true);
    document()->setDocumentMargin(12);
    set_formulation(formulation);
    resize(760, 640);
    auto* close_key = new QShortcut(QKeySequence(QStringLiteral("Esc")), this);
    QObject::connect(close_key, &QShortcut::activated, this, &QWidget::close);
}

void GuideWindow::set_formulation(const QString& formulation) {
    setMarkdown(guide_markdown(formulation));
    name_headings(*document());
}

void GuideWindow::show_section(shell::ScreenId id) {
    scrollToAnchor(heading_anchor(
        QString::fromUtf8(shell::guide_heading(id).data(), static_cast<int>(shell::guide_heading(id).size()))));
}

QVariant GuideWindow::loadResource(int type, const QUrl& name) {
    if (type != QTextDocument::ImageResource) return QTextBrowser::loadResource(type, name);
    QImage image(kRoot + name.path());
    image.setDevicePixelRatio(kPicturePixelRatio);
    return image;
}

}  // namespace entalix::ui
