#include "app/TFrmAbout.h"

#include "ui/DialogService.h"
#include "ui/PictureButton.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrmAbout::TFrmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName("FrmAbout");
    setWindowTitle("Copyrights");
    setAttribute(Qt::WA_DeleteOnClose);

    auto* picture = new QLabel(this);
    picture->setObjectName("AboutPicture");
    picture->setPixmap(ui::Artwork("logo"));
    auto* name = new QLabel(QString("<b style='font-size:15pt'>Vantrell</b><br>Version %1").arg(CORVATEK_VERSION), this);
    name->setObjectName("ProductLabel");
    auto* description = new QLabel(
        "Trading signals from short price series: the prices are smoothed with a Daubechies wavelet, "
        "a small neural network learns them and predicts the next price, and weighted rising and "
        "falling steps give BUY, SELL or NO TRADE with stop-loss and take-profit prices.",
        this);
    description->setObjectName("DescriptionLabel");
    description->setWordWrap(true);
    auto* link = new QLabel(QString("<a href='%1'>%1</a>").arg(kSite), this);
    link->setObjectName("SiteLink");
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(link, &QLabel::linkActivated, this, [this](const QString& url) { ui::Dialogs().ShellOpen(this, url); });
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(description);
    text->addWidget(link);
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ok, 0, Qt::AlignRight);
    setFixedWidth(460);
}
