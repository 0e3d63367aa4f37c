#include "app/ui/TfrmAbout.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

QString TfrmAbout::supportLine()
{
    return QStringLiteral("技术支持：Quenlo 开发组  电话：0571-88000000");
}

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TfrmAbout"));
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::Box);
    auto* picture = new QLabel(panel);
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    auto* title = new QLabel(QStringLiteral("Quenlo 医疗费用报销管理"), panel);
    QFont f = title->font();
    f.setBold(true);
    title->setFont(f);
    auto* line1 = new QLabel(supportLine(), panel);
    auto* line2 =
        new QLabel(QStringLiteral("版本 %1").arg(QStringLiteral(QUENLO_VERSION_TEXT)), panel);
    auto* inner = new QVBoxLayout(panel);
    inner->addWidget(picture, 0, Qt::AlignHCenter);
    inner->addWidget(title, 0, Qt::AlignHCenter);
    inner->addWidget(line1);
    inner->addWidget(line2);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(panel);
    outer->addWidget(ok, 0, Qt::AlignHCenter);
}
