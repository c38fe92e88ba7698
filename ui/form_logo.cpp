#include "ui/form_logo.h"

#include "ui/logo_picture.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace velt {

namespace {

QLabel *textBlock(QWidget *parent, const char *name, const QString &text, int pixels, bool italic)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setItalic(italic);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(false);
    return label;
}

}  // namespace

TFLogo::TFLogo(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FLogo"));
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("PanelLogo"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);

    ImageVELT = new QLabel(panel);
    ImageVELT->setObjectName(QStringLiteral("ImageVELT"));
    ImageVELT->setPixmap(LogoPicture());

    auto *attributes = new QFrame(panel);
    attributes->setObjectName(QStringLiteral("PanelAtributi"));
    attributes->setAutoFillBackground(true);
    QPalette sky = attributes->palette();
    sky.setColor(QPalette::Window, QColor(0xA6, 0xCA, 0xF0));
    sky.setColor(QPalette::WindowText, Qt::black);
    attributes->setPalette(sky);

    Memo1 = textBlock(attributes, "Memo1", QStringLiteral("ВЕЛТ МОНИТОР\nПРОГРАММА ИЗМЕРИТЕЛЯ МИКРОКЛИМАТА"), 17,
                      false);
    Memo2 = textBlock(attributes, "Memo2", QStringLiteral("Микроклимат рабочего места"), 16, true);
    Memo3 = textBlock(attributes, "Memo3",
                      QStringLiteral("Текущие показания, ТНС-индекс и WBGT,\n"
                                     "загрузка логгера, ячейки памяти, часы прибора,\n"
                                     "протокол измерений и статистика"),
                      13, false);
    Memo4 = textBlock(attributes, "Memo4",
                      QStringLiteral("Версия %1\n"
                                     "Свободная программа, лицензия MIT\n"
                                     "Шрифты: SIL OFL 1.1 и GPL-3\n"
                                     "с исключением для шрифтов")
                          .arg(QCoreApplication::applicationVersion().isEmpty()
                                   ? QStringLiteral(VELT_VERSION)
                                   : QCoreApplication::applicationVersion()),
                      13, false);
    auto *texts = new QVBoxLayout(attributes);
    texts->addWidget(Memo1);
    texts->addWidget(Memo2);
    texts->addWidget(Memo3);
    texts->addWidget(Memo4);

    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    row->addWidget(ImageVELT);
    row->addWidget(attributes, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);

    // A click on the picture or any text reaches the window, which hides.
    for (QWidget *part : {static_cast<QWidget *>(ImageVELT), static_cast<QWidget *>(Memo1),
                          static_cast<QWidget *>(Memo2), static_cast<QWidget *>(Memo3),
                          static_cast<QWidget *>(Memo4)})
        part->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TFLogo::mousePressEvent(QMouseEvent *event)
{
    close();
    event->accept();
}

}  // namespace velt
