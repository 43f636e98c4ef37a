// The screen table and the one instance of each screen.
#include <gtest/gtest.h>

#include <QFile>
#include <QSet>

#include "screens/Catalog.h"
#include "screens/TaxFormScreen.h"
#include "unit/engine/EngineTest.h"

namespace {

TEST(TaxFormTable, HoldsEveryTaxFormScreenOnce) {
  QSet<QString> names;
  for (const qv::TaxFormTraits& t : qv::taxForms()) {
    EXPECT_TRUE(QString::fromLatin1(t.name).startsWith(QLatin1String("TF_"))) << t.name;
    EXPECT_TRUE(t.caption && t.menuCaption && *t.menuCaption) << t.name;
    names.insert(QString::fromLatin1(t.name).toUpper());
  }
  EXPECT_EQ(names.size(), 25);
  EXPECT_EQ(int(qv::taxForms().size()), 25);
  EXPECT_EQ(qv::taxFormTraits(QStringLiteral("tf_1099b"))->menuCaption,
            QLatin1String("1099-B Proceeds From Broker Exchange "));
  EXPECT_EQ(qv::taxFormTraits(QStringLiteral("TF_K11065")), nullptr);
}

TEST(Catalog, GivesTheOneInstanceOfEachScreenWithALayout) {
  for (const qv::TaxFormTraits& t : qv::taxForms()) {
    const QString name = QString::fromLatin1(t.name);
    qv::Screen* s = qv::screenNamed(name);
    if (!QFile::exists(QStringLiteral(":/screens/%1.json").arg(name))) {
      EXPECT_EQ(s, nullptr) << t.name;
      continue;
    }
    ASSERT_NE(s, nullptr) << t.name;
    EXPECT_EQ(s->name(), name);
    EXPECT_EQ(qv::screenNamed(name.toLower()), s) << t.name;
    auto* form = dynamic_cast<qv::TaxFormScreen*>(s);
    ASSERT_NE(form, nullptr) << t.name;
    EXPECT_EQ(&form->traits(), &t) << t.name;
  }
  EXPECT_EQ(qv::screenNamed(QStringLiteral("TF_NOSUCH")), nullptr);
  EXPECT_EQ(qv::screenNamed(QString()), nullptr);
}

// The interest statement, the reference member of the family, as drawn.
class InterestStatement : public qvtest::EngineTest {};

TEST_F(InterestStatement, OpensFromTheCatalogAndTakesItsFirstEntry) {
  qv::Screen* s = qv::screenNamed(QStringLiteral("TF_1099INT"));
  ASSERT_NE(s, nullptr);
  s->load();
  EXPECT_TRUE(reports().empty());
  EXPECT_EQ(s->caption(), "1099-INT (Interest Income)");
  const qv::Control& border = s->ctl(QStringLiteral("myBorder"));
  EXPECT_GT(border.width(), 300);
  EXPECT_GT(border.height(), 300);
  s->activate();
  s->ctl(QStringLiteral("Text1"), 0).SetFocus();
  s->typeText(QStringLiteral("first bank"));
  s->pressKey(qv::keys::Tab);
  EXPECT_EQ(s->ctl(QStringLiteral("Text1"), 0).text(), "FIRST BANK");
  EXPECT_NE(s->activeControl(), &s->ctl(QStringLiteral("Text1"), 0));
  s->unload();
}

}  // namespace
