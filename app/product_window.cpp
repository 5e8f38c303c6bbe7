#include "app/product_window.h"

#include <QFont>
#include <QPushButton>
#include <QTextBrowser>

#include "platform/widget_makers.h"

namespace {

// The word lists' own notices ask to appear in the documentation of anything built
// from them; the permission notice is therefore quoted word for word.
const char* const kComponentsHtml = R"(
<h3>Tolvane 95 is built on</h3>

<p><b>Qt 6</b> &mdash; the windows, drawing, printing and sound.<br>
Copyright The Qt Company Ltd. and other contributors. Used under the
GNU Lesser General Public License, version 3 (LGPL v3). The Qt libraries are
linked dynamically and can be replaced by the user.</p>

<p><b>SCOWL</b> (Spell Checker Oriented Word Lists) &mdash; the American and British
dictionaries are compiled from these lists by Kevin Atkinson.</p>
<blockquote>Copyright 2000-2011 by Kevin Atkinson<br><br>
Permission to use, copy, modify, distribute and sell these word lists, the associated
scripts, the output created from the scripts, and its documentation for any purpose is
hereby granted without fee, provided that the above copyright notice appears in all
copies and that both that copyright notice and this permission notice appear in
supporting documentation. Kevin Atkinson makes no representations about the suitability
of this array for any purpose. It is provided "as is" without express or implied
warranty.</blockquote>
<p>SCOWL in turn draws on sources that are in the public domain (the Moby Words II
lists, Alan Beale's 12Dicts, Brian Kelk's UK English word list), on the WordNet 1.6
database for inflections (Copyright 1997 by Princeton University, all rights reserved;
provided "as is" without warranty), and, for its American and British spellings, on
word lists from the Ispell distribution (Copyright 1993, Geoff Kuenning, Granada Hills,
CA; all rights reserved; redistribution permitted provided the copyright notice and
conditions are kept; provided "as is" without any warranty). Accent information comes
from the UK Advanced Cryptics Dictionary (Copyright J Ross Beresford 1993-1999).</p>

<p><b>Liberation fonts</b> &mdash; the letters on the tiles and the text of the windows
(Liberation Sans, with the metrics of Arial).<br>
Digitized data copyright (c) 2010 Google Corporation, with Reserved Font Arimo, Tinos
and Cousine; copyright (c) 2012 Red Hat, Inc., with Reserved Font Name Liberation.
Used under the SIL Open Font License, version 1.1 (OFL).</p>
)";

}  // namespace

TProductWindow::TProductWindow(GameHost& host)
    : TScaledDialog(host, "ProductWindow", "Other Products", {560, 460}) {
  auto* text = new QTextBrowser(this);
  text->setObjectName("Components");
  text->setAccessibleName("Components");
  text->setGeometry(8, 8, 544, 402);
  text->setOpenExternalLinks(false);
  text->setHtml(kComponentsHtml);

  auto* ok = MakeButton(this, "OkButton", "OK", {240, 420, 81, 29});
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  RecordDesignLayout();
}
