-- Starter catalogue of Velkor-DB: the content a new Cocktails.mdb starts with.
-- Groups, ingredients, decorations, cocktails with their ingredient and
-- decoration lines, and three ingredient setups. Loaded right after schema.sql.

-- Cocktail groups
INSERT INTO cocktailgruppen (name, beschreibung) VALUES ('Klassiker', 'Zeitlose Cocktails, die in keiner Bar fehlen dürfen');
INSERT INTO cocktailgruppen (name, beschreibung) VALUES ('Sours', 'Spirituose, Zitrusfrucht und Süße im ausgewogenen Verhältnis');
INSERT INTO cocktailgruppen (name, beschreibung) VALUES ('Longdrinks', 'Hohe Gläser, viel Eis, mit Limonade, Saft oder Soda aufgefüllt');
INSERT INTO cocktailgruppen (name, beschreibung) VALUES ('Tropisch', 'Fruchtige Rum- und Tiki-Drinks mit karibischem Flair');
INSERT INTO cocktailgruppen (name, beschreibung) VALUES ('Prickelnd', 'Drinks mit Sekt, Champagner oder Prosecco');
INSERT INTO cocktailgruppen (name, beschreibung) VALUES ('Alkoholfrei', 'Genuss ohne Alkohol für Fahrer, Kinder und alle anderen');
INSERT INTO cocktailgruppen (name, beschreibung) VALUES ('Digestif', 'Kräftige oder cremige Drinks für nach dem Essen');

-- Ingredients. alkohol: contains alcohol. getränk: poured as a drink component
-- (spirits, wines, juices, sodas, cream); ice, sugar, syrups, fruit, spices and
-- dashed bitters are not.
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Weißer Rum', 'Heller, milder Rum, meist nur kurz gelagert', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Brauner Rum', 'Länger gereifter Rum mit kräftigem Aroma', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Jamaika-Rum', 'Vollmundiger, würziger Rum aus Jamaika', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Cachaça', 'Brasilianischer Brand aus frischem Zuckerrohrsaft', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Gin', 'Wacholderbetonter Brand, am besten London Dry', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Wodka', 'Neutraler Brand aus Getreide oder Kartoffeln', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Tequila', 'Mexikanischer Agavenbrand, für Cocktails meist Blanco', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Bourbon Whiskey', 'Amerikanischer Whiskey, überwiegend aus Mais gebrannt', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Rye Whiskey', 'Würziger Whiskey aus Roggen', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Scotch Whisky', 'Schottischer Blended Whisky', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Irish Whiskey', 'Weicher, dreifach destillierter Whiskey aus Irland', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Cognac', 'Französischer Weinbrand aus der Charente', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Pisco', 'Traubenbrand aus Peru oder Chile', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Absinth', 'Hochprozentige Anisspirituose, meist nur spritzerweise', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Orangenlikör', 'Klarer Likör aus Orangenschalen (Triple Sec)', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Blue Curaçao', 'Blau gefärbter Orangenlikör', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Kaffeelikör', 'Süßer Likör aus Kaffee und Rum', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Amaretto', 'Italienischer Likör mit Mandelgeschmack', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Campari', 'Leuchtend roter Bitterlikör aus Mailand', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Aperol', 'Orangeroter, milder Bitterlikör', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Maraschino', 'Klarer Likör aus Maraska-Kirschen', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Kirschlikör', 'Dunkler, süßer Likör aus Kirschen', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Crème de Cassis', 'Likör aus schwarzen Johannisbeeren', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Crème de Menthe', 'Grüner Pfefferminzlikör', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Crème de Cacao', 'Heller Kakaolikör', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Pfirsichlikör', 'Fruchtiger Likör aus Pfirsichen', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Galliano', 'Gelber Kräuterlikör mit Vanillenote', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Bénédictine', 'Französischer Kräuterlikör mit Honig', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Chartreuse grün', 'Kräftiger Kräuterlikör aus den französischen Alpen', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Drambuie', 'Whiskylikör mit Honig und Kräutern', 1, 1);
-- Falernum is left with an unknown drink flag (getränk NULL) on purpose: it is
-- sold both as a syrup and as a liqueur, and it exercises how the program
-- handles an ingredient whose drink flag was never set.
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Falernum', 'Karibischer Würzlikör mit Limette, Ingwer und Nelke', 1, NULL);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Roter Wermut', 'Süßer, würziger Wermut', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Trockener Wermut', 'Herber, heller Wermut', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Lillet Blanc', 'Französischer Aperitif auf Weißweinbasis', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Sekt', 'Trockener deutscher Schaumwein', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Champagner', 'Schaumwein aus der Champagne', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Prosecco', 'Italienischer Schaumwein aus Venetien', 1, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Angostura Bitter', 'Aromatischer Bitter, wird spritzerweise dosiert', 1, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Orangenbitter', 'Bitter mit dem Aroma von Orangenschalen', 1, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Peychaud''s Bitter', 'Roter, anisbetonter Bitter aus New Orleans', 1, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Limettensaft', 'Frisch gepresst schmeckt er am besten', 0, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Zitronensaft', 'Frisch gepresst schmeckt er am besten', 0, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Orangensaft', NULL, 0, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Ananassaft', NULL, 0, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Grapefruitsaft', 'Am besten von rosa Grapefruits', 0, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Cranberrysaft', 'Herber Nektar aus Cranberrys', 0, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Maracujasaft', 'Nektar aus Passionsfrüchten', 0, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Tomatensaft', NULL, 0, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Pfirsichpüree', 'Püree aus weißen Pfirsichen', 0, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Sodawasser', 'Wasser mit viel Kohlensäure', 0, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Tonic Water', 'Bittere Limonade mit Chinin', 0, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Ginger Ale', 'Milde Ingwerlimonade', 0, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Ginger Beer', 'Kräftig-scharfe Ingwerlimonade', 0, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Cola', NULL, 0, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Zitronenlimonade', 'Klare Limonade mit Zitrone und Limette', 0, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Sahne', 'Flüssige Schlagsahne', 0, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Milch', NULL, 0, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Kokosnusscreme', 'Gesüßte Kokoscreme (Cream of Coconut)', 0, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Espresso', 'Frisch gebrüht und etwas abgekühlt', 0, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Kaffee', 'Heiß und kräftig', 0, 1);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Zuckersirup', 'Zucker und Wasser im Verhältnis 1:1', 0, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Grenadine', 'Roter Sirup aus Granatapfel', 0, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Mandelsirup', 'Orgeat, Sirup aus Mandeln mit einem Hauch Orangenblüte', 0, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Honigsirup', 'Honig, mit warmem Wasser verdünnt', 0, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Himbeersirup', NULL, 0, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Holunderblütensirup', NULL, 0, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Zucker', 'Weißer Kristallzucker', 0, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Rohrzucker', 'Brauner Zucker aus Zuckerrohr', 0, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Würfelzucker', NULL, 0, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Eiswürfel', NULL, 0, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Crushed Ice', 'Fein zerstoßenes Eis', 0, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Salz', NULL, 0, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Pfeffer', 'Schwarz, frisch gemahlen', 0, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Worcestershiresauce', 'Würzige Sauce aus England', 0, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Tabasco', 'Scharfe Chilisauce', 0, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Muskatnuss', 'Frisch gerieben', 0, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Limette', 'Frische, unbehandelte Limette', 0, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Zitrone', 'Frische, unbehandelte Zitrone', 0, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Minzblätter', 'Frische Minze, am besten Nanaminze', 0, 0);
INSERT INTO zutaten (name, beschreibung, alkohol, getränk) VALUES ('Eiweiß', 'Von einem frischen Ei', 0, 0);

-- Decorations
INSERT INTO deko (name, beschreibung) VALUES ('Limettenscheibe', NULL);
INSERT INTO deko (name, beschreibung) VALUES ('Limettenspalte', 'Ein Achtel oder Viertel einer Limette');
INSERT INTO deko (name, beschreibung) VALUES ('Zitronenscheibe', NULL);
INSERT INTO deko (name, beschreibung) VALUES ('Zitronenzeste', 'Dünn abgeschälte Schale, über dem Glas abgespritzt');
INSERT INTO deko (name, beschreibung) VALUES ('Orangenscheibe', NULL);
INSERT INTO deko (name, beschreibung) VALUES ('Orangenzeste', 'Dünn abgeschälte Schale, über dem Glas abgespritzt');
INSERT INTO deko (name, beschreibung) VALUES ('Cocktailkirsche', NULL);
INSERT INTO deko (name, beschreibung) VALUES ('Minzzweig', 'Frischer Zweig, vorher kurz angeklopft');
INSERT INTO deko (name, beschreibung) VALUES ('Ananasstück', 'Am Glasrand aufgesteckt');
INSERT INTO deko (name, beschreibung) VALUES ('Olive', 'Grüne Olive ohne Stein, am Spieß');
INSERT INTO deko (name, beschreibung) VALUES ('Salzrand', 'Glasrand mit Limette befeuchtet und in Salz getupft');
INSERT INTO deko (name, beschreibung) VALUES ('Zuckerrand', 'Glasrand befeuchtet und in Zucker getupft');
INSERT INTO deko (name, beschreibung) VALUES ('Strohhalm', NULL);
INSERT INTO deko (name, beschreibung) VALUES ('Selleriestange', NULL);
INSERT INTO deko (name, beschreibung) VALUES ('Kaffeebohnen', 'Drei Bohnen, auf den Schaum gelegt');
INSERT INTO deko (name, beschreibung) VALUES ('Gurkenscheibe', NULL);
INSERT INTO deko (name, beschreibung) VALUES ('Cocktailschirmchen', NULL);

-- Cocktails
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Dry Martini', 'Trockener Klassiker aus Gin und einem Hauch Wermut', 'Gin und Wermut im Rührglas mit reichlich Eis etwa eine halbe Minute kalt rühren. In eine vorgekühlte Cocktailschale abseihen.', '5', NULL, 'https://de.wikipedia.org/wiki/Martini_(Cocktail)');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Manhattan', 'Würziger Whiskey-Klassiker mit rotem Wermut', 'Whiskey, Wermut und Bitter im Rührglas auf Eis kalt rühren und in eine vorgekühlte Cocktailschale abseihen.', '5', 'um 1880, New York', 'https://de.wikipedia.org/wiki/Manhattan_(Cocktail)');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Old Fashioned', 'Whiskey, Zucker und Bitter – der Urahn aller Cocktails', 'Das Zuckerstück im Tumbler mit Angostura und einem Schuss Soda tränken und zerdrücken.
Einen großen Eiswürfel hineingeben, den Whiskey darübergießen und lange rühren. Zum Schluss die Orangenzeste über dem Glas abspritzen.', '5', '19. Jahrhundert, USA', 'https://de.wikipedia.org/wiki/Old_Fashioned');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Negroni', 'Bitter-süßer italienischer Aperitif zu gleichen Teilen', 'Gin, Campari und Wermut direkt im Tumbler auf Eis gießen und gut verrühren.', '5', 'um 1919, Graf Camillo Negroni, Florenz', 'https://de.wikipedia.org/wiki/Negroni');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Boulevardier', 'Die Whiskey-Variante des Negroni', 'Alle Zutaten im Rührglas auf Eis kalt rühren. In eine Cocktailschale oder in einen Tumbler auf frisches Eis abseihen.', '4', '1920er, Erskine Gwynne, Paris', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Sazerac', 'Kräftiger Whiskey-Klassiker aus New Orleans', 'Einen Tumbler mit etwas Absinth ausschwenken und den Rest weggießen.
Zucker, Bitter und Whiskey im Rührglas mit Eis kalt rühren und ohne Eis in das vorbereitete Glas abseihen. Die Zitronenzeste darüber abspritzen.', '4', '19. Jahrhundert, New Orleans', 'https://de.wikipedia.org/wiki/Sazerac');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Rob Roy', 'Ein Manhattan mit schottischem Whisky', 'Whisky, Wermut und Bitter mit Eis im Rührglas kalt rühren und in eine gekühlte Schale abseihen.', '3', '1894, Waldorf-Astoria, New York', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Vesper', 'Starker Martini aus Gin, Wodka und Lillet', 'Alle Zutaten mit Eis kräftig schütteln, bis sie eiskalt sind, und in eine tiefe Cocktailschale abseihen.', '4', '1953, Ian Fleming (Roman „Casino Royale“)', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Champagner-Cocktail', 'Champagner über einem bittergetränkten Zuckerstück', 'Ein Stück Würfelzucker in eine Sektflöte legen und mit Angostura tränken. Nach Belieben etwas Cognac dazugeben und langsam mit kaltem Champagner auffüllen.', '3', '19. Jahrhundert', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Whiskey Sour', 'Whiskey mit Zitrone, Zucker und feinem Schaum', 'Whiskey, Zitronensaft, Zuckersirup und Eiweiß zuerst ohne Eis kräftig schütteln, dann mit Eis ein zweites Mal.
In einen Tumbler auf frisches Eis abseihen und nach Wunsch mit einem Spritzer Soda abrunden.', '5', '19. Jahrhundert, USA', 'https://de.wikipedia.org/wiki/Whiskey_Sour');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Pisco Sour', 'Peruanischer Sour mit dichter Schaumkrone', 'Pisco, Saft, Sirup und Eiweiß erst ohne, dann mit Eis kräftig schütteln. In ein Glas abseihen und ein paar Tropfen Angostura auf den Schaum setzen.', '4', '1920er, Victor Morris, Lima', 'https://de.wikipedia.org/wiki/Pisco_Sour');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Amaretto Sour', 'Süßer Sour mit Mandellikör', 'Amaretto, Zitronensaft, Zuckersirup und Eiweiß mit Eis kräftig schütteln und in einen Tumbler auf Eis abseihen.', '3', NULL, NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Daiquiri', 'Kubanischer Sour aus Rum, Limette und Zucker', 'Alle Zutaten mit reichlich Eis kräftig schütteln und in eine vorgekühlte Cocktailschale abseihen.', '5', 'um 1900, Jennings Cox, Kuba', 'https://de.wikipedia.org/wiki/Daiquiri');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Margarita', 'Mexikanischer Klassiker mit Salzrand', 'Den Rand einer Cocktailschale mit Limette befeuchten und in Salz tupfen.
Tequila, Orangenlikör und Limettensaft mit Eis schütteln und in das vorbereitete Glas abseihen.', '5', NULL, 'https://de.wikipedia.org/wiki/Margarita_(Cocktail)');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Sidecar', 'Eleganter Cognac-Sour mit Orangenlikör', 'Cognac, Orangenlikör und Zitronensaft mit Eis kräftig schütteln und in eine Schale mit Zuckerrand abseihen.', '4', 'um 1920, Paris oder London', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('White Lady', 'Heller, feiner Gin-Sour mit Orangenlikör', 'Alle Zutaten mit Eis kräftig schütteln und in eine vorgekühlte Cocktailschale abseihen.', '4', '1920er, Harry MacElhone', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Gimlet', 'Kurzer, herb-frischer Drink aus Gin und Limette', 'Gin, Limettensaft und Zuckersirup auf Eis schütteln und in eine gekühlte Schale abseihen.', '3', NULL, NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Bee''s Knees', 'Gin-Sour mit Honig aus der Zeit der Prohibition', 'Honigsirup, Zitronensaft und Gin mit Eis kräftig schütteln und in eine Cocktailschale abseihen.', '4', '1920er, USA', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Clover Club', 'Zartrosa Gin-Sour mit Himbeere', 'Alle Zutaten zuerst ohne Eis schütteln, damit das Eiweiß aufschäumt, dann mit Eis kalt schütteln und in eine Schale abseihen.', '4', 'vor 1910, Clover Club, Philadelphia', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Corpse Reviver No. 2', 'Belebender Gin-Drink mit einem Hauch Absinth', 'Eine Cocktailschale mit wenig Absinth ausschwenken. Gin, Orangenlikör, Lillet und Zitronensaft mit Eis schütteln und hineinabseihen.', '4', '1930, Harry Craddock (Savoy Cocktail Book)', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Last Word', 'Ausgewogener Kräuter-Sour zu gleichen Teilen', 'Alle vier Zutaten mit Eis kräftig schütteln und doppelt in eine vorgekühlte Schale abseihen.', '4', '1910er, Detroit Athletic Club', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Cosmopolitan', 'Fruchtig-herber Wodka-Drink mit Cranberry', 'Alle Zutaten mit Eis kräftig schütteln und in eine vorgekühlte Martinischale abseihen.', '4', '1980er, USA', 'https://de.wikipedia.org/wiki/Cosmopolitan_(Cocktail)');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('French 75', 'Gin-Sour, mit Champagner aufgegossen', 'Gin, Zitronensaft und Zuckersirup mit Eis schütteln, in eine Sektflöte abseihen und mit Champagner auffüllen.', '5', 'um 1915, Paris', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Mojito', 'Erfrischender kubanischer Longdrink mit Minze und Limette', 'Die Limette achteln und mit dem Rohrzucker im Glas kräftig andrücken. Minzblätter dazugeben und nur leicht quetschen.
Das Glas mit Crushed Ice füllen, Rum darübergießen, gut durchrühren und mit Soda auffüllen.', '5', 'Kuba', 'https://de.wikipedia.org/wiki/Mojito');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Cuba Libre', 'Rum und Cola mit einem Schuss Limette', 'Ein Glas mit Eiswürfeln füllen, Limettensaft und Rum hineingeben und mit Cola auffüllen. Kurz umrühren.', '4', 'um 1900, Havanna', 'https://de.wikipedia.org/wiki/Cuba_Libre');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Gin Tonic', 'Der unkomplizierteste aller Highballs', 'Ein großes Glas mit Eis füllen, Gin hineingeben und mit kaltem Tonic Water auffüllen. Nur einmal sanft umrühren, damit die Kohlensäure erhalten bleibt.', '4', NULL, 'https://de.wikipedia.org/wiki/Gin_Tonic');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Moscow Mule', 'Wodka mit scharfem Ingwerbier und Limette', 'Einen Kupferbecher oder ein Glas mit Eis füllen, Wodka und Limettensaft zugeben und mit Ginger Beer auffüllen.', '4', '1941, Los Angeles', 'https://de.wikipedia.org/wiki/Moscow_Mule');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Dark ''n'' Stormy', 'Dunkler Rum über würzigem Ingwerbier', 'Ein Glas mit Eis füllen und mit Ginger Beer aufgießen. Den braunen Rum vorsichtig obenauf laufen lassen, sodass eine dunkle Schicht entsteht.', '4', 'Bermuda', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Tom Collins', 'Spritziger Gin-Longdrink mit Zitrone', 'Gin, Zitronensaft und Zuckersirup in einem hohen Glas auf Eis verrühren und mit Soda auffüllen.', '3', '19. Jahrhundert', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Americano', 'Leichter Aperitif aus Campari, Wermut und Soda', 'Campari und Wermut in ein Glas mit Eis geben, mit Soda auffüllen und kurz umrühren.', '3', '19. Jahrhundert, Mailand', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Screwdriver', 'Einfacher Longdrink aus Wodka und Orangensaft', 'Wodka in ein Glas mit Eis geben und mit Orangensaft auffüllen.', NULL, NULL, NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Harvey Wallbanger', 'Wodka-Orange mit einem Schuss Galliano', 'Wodka und Orangensaft auf Eis verrühren und den Galliano zum Schluss obenauf gießen.', '3', NULL, NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Tequila Sunrise', 'Tequila und Orangensaft mit rotem Farbverlauf', 'Tequila und Orangensaft in ein Glas mit Eis geben und verrühren.
Die Grenadine langsam am Glasrand hinunterlaufen lassen, damit sie absinkt und der typische Sonnenaufgang entsteht.', '3', '1970er, Sausalito, Kalifornien', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Bloody Mary', 'Würziger Tomaten-Longdrink mit Wodka', 'Alle Zutaten im Rührglas mit Eis behutsam verrühren, nicht schütteln. In ein großes Glas auf frisches Eis gießen und abschmecken.', '3', '1920er, Fernand Petiot, Paris', 'https://de.wikipedia.org/wiki/Bloody_Mary_(Cocktail)');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Paloma', 'Mexikanischer Longdrink mit Grapefruit', 'Tequila, Limettensaft und eine Prise Salz in ein Glas mit Eis geben. Mit Grapefruitsaft und Soda auffüllen.', '4', 'Mexiko', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Long Island Iced Tea', 'Starker Mix aus fünf Spirituosen mit Cola', 'Alle Spirituosen mit Zitronensaft und Zuckersirup auf Eis schütteln. In ein hohes Glas mit Eis abseihen und mit einem Schuss Cola abschließen.', '3', '1970er, Long Island, New York', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Blue Lagoon', 'Leuchtend blauer Longdrink mit Zitrusnote', 'Wodka und Blue Curaçao in ein Longdrinkglas mit Eis geben, mit Zitronenlimonade auffüllen und vorsichtig umrühren.', '3', NULL, NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Sex on the Beach', 'Fruchtiger Partydrink mit Pfirsich und Cranberry', 'Alle Zutaten mit Eis schütteln und in ein Longdrinkglas auf frisches Eis abseihen.', '2', '1980er, USA', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Caipirinha', 'Brasilianischer Klassiker aus Cachaça, Limette und Rohrzucker', 'Die Limette in Achtel schneiden und im Tumbler mit dem Rohrzucker kräftig stampfen, damit Saft und Schalenöle austreten.
Mit Crushed Ice auffüllen, Cachaça zugießen und gründlich durchrühren.', '5', 'Brasilien', 'https://de.wikipedia.org/wiki/Caipirinha');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Piña Colada', 'Cremiger Karibikdrink mit Ananas und Kokos', 'Rum, Kokosnusscreme, Ananassaft und Sahne mit Eis kräftig schütteln oder mit Crushed Ice im Mixer cremig pürieren. In ein großes Glas gießen.', '4', '1950er, San Juan, Puerto Rico', 'https://de.wikipedia.org/wiki/Piña_Colada');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Mai Tai', 'Fruchtiger Rumdrink mit Mandel und Limette', 'Jamaika-Rum, Orangenlikör, beide Sirupe und Limettensaft mit Eis schütteln und in einen Tumbler mit Crushed Ice abseihen. Den braunen Rum vorsichtig obenauf gießen.', '5', '1944, Victor Bergeron, Oakland', 'https://de.wikipedia.org/wiki/Mai_Tai');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Zombie', 'Sehr starker Tiki-Drink mit drei Rumsorten', 'Alle Zutaten mit reichlich Eiswürfeln kräftig schütteln.
Auf Crushed Ice in ein hohes Glas abseihen und üppig garnieren. Wegen seiner Stärke besser nur einen pro Gast ausschenken.', '4', '1934, Donn Beach, Hollywood', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Planter''s Punch', 'Traditioneller Rumpunsch aus Jamaika', 'Rum, Säfte, Sirupe und Angostura mit Eis schütteln und in ein Longdrinkglas mit Eiswürfeln abseihen. Nach Belieben mit etwas Soda verlängern.', '3', 'Jamaika, 19. Jahrhundert', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Hurricane', 'Süß-fruchtiger Rumdrink aus New Orleans', 'Alle Zutaten kräftig auf Eis schütteln und in ein großes, bauchiges Glas auf frisches Eis gießen.', '3', '1940er, Pat O''Brien''s, New Orleans', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Singapore Sling', 'Üppiger Gin-Punsch aus dem Raffles Hotel', 'Alle Zutaten mit Eis kräftig schütteln und in ein hohes Glas auf frisches Eis abseihen. Mit Ananas und Kirsche garnieren.', '4', 'um 1915, Ngiam Tong Boon, Raffles Hotel, Singapur', 'https://de.wikipedia.org/wiki/Singapore_Sling');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Aperol Spritz', 'Leichter, bitter-fruchtiger Sommeraperitif', 'Ein großes Weinglas mit Eis füllen, zuerst den Prosecco, dann den Aperol hineingeben und mit einem Schuss Soda abschließen.', '4', 'Venetien', 'https://de.wikipedia.org/wiki/Spritz');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Hugo', 'Spritziger Sommerdrink mit Holunderblüte und Minze', 'Minzblätter und Limettenscheiben in ein Weinglas geben, Holunderblütensirup und Eis hinzufügen. Mit Prosecco und Soda auffüllen und einmal umrühren.', '4', '2005, Südtirol', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Kir Royal', 'Champagner mit Likör aus schwarzen Johannisbeeren', 'Den Cassislikör in eine Sektflöte geben und vorsichtig mit eiskaltem Champagner auffüllen.', '4', 'nach Félix Kir, Dijon', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Bellini', 'Prosecco mit weißem Pfirsichpüree', 'Pfirsichpüree in ein gekühltes Glas geben und langsam mit Prosecco auffüllen, dabei behutsam umrühren.', '4', '1948, Giuseppe Cipriani, Harry''s Bar, Venedig', 'https://de.wikipedia.org/wiki/Bellini_(Cocktail)');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Mimosa', 'Champagner mit frischem Orangensaft', 'Gekühlten Orangensaft in eine Sektflöte geben und mit Champagner auffüllen.', '3', NULL, NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Espresso Martini', 'Belebender Digestif aus Wodka, Kaffeelikör und Espresso', 'Wodka, Kaffeelikör, frischen Espresso und etwas Zuckersirup mit viel Eis sehr kräftig schütteln, damit sich eine feste Crema bildet. In eine gekühlte Schale abseihen.', '5', '1980er, Dick Bradsell, London', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('White Russian', 'Cremiger Drink aus Wodka, Kaffeelikör und Sahne', 'Wodka und Kaffeelikör in einen Tumbler auf Eis geben. Die leicht angeschlagene Sahne über einen Löffelrücken obenauf gleiten lassen.', '4', NULL, NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Black Russian', 'Wodka mit Kaffeelikör auf Eis', 'Wodka und Kaffeelikör in einem Tumbler auf Eis verrühren.', '3', '1949, Gustave Tops, Brüssel', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Grasshopper', 'Grüner, minziger Sahnecocktail', 'Alle Zutaten mit Eis kräftig schütteln und in eine Cocktailschale abseihen.', '3', 'New Orleans', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Brandy Alexander', 'Samtiger Cognac-Drink mit Kakao und Sahne', 'Cognac, Kakaolikör und Sahne mit Eis gut schütteln, in eine Schale abseihen und mit etwas frisch geriebener Muskatnuss bestreuen.', '4', NULL, NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Irish Coffee', 'Heißer Kaffee mit irischem Whiskey und Sahnehaube', 'Ein hitzebeständiges Glas vorwärmen, Rohrzucker und heißen Kaffee hineingeben und rühren, bis sich der Zucker gelöst hat.
Den Whiskey zugeben und die leicht geschlagene Sahne über einen Löffel obenauf gleiten lassen. Danach nicht mehr umrühren.', '5', '1940er, Joe Sheridan, Foynes, Irland', 'https://de.wikipedia.org/wiki/Irish_Coffee');
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Rusty Nail', 'Scotch mit Honig-Kräuterlikör auf Eis', 'Whisky und Drambuie in einem Tumbler auf Eis verrühren.', NULL, NULL, NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Godfather', 'Scotch mit Amaretto auf Eis', 'Whisky und Amaretto im Tumbler auf Eis verrühren.', NULL, NULL, NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Virgin Colada', 'Alkoholfreie Piña Colada mit Ananas und Kokos', 'Kokosnusscreme, Ananassaft und Sahne mit Eis kräftig schütteln oder mit Crushed Ice im Mixer pürieren.', '4', NULL, NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Ipanema', 'Alkoholfreie Verwandte der Caipirinha mit Ginger Ale', 'Limettenachtel mit Rohrzucker im Glas zerstoßen und mit Crushed Ice füllen. Maracujasaft zugeben und mit Ginger Ale auffüllen, dann gut durchrühren.', '4', NULL, NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Shirley Temple', 'Alkoholfreier Kinderklassiker mit Grenadine', 'Ein Glas mit Eis füllen, mit Ginger Ale aufgießen und die Grenadine hineinlaufen lassen.', '3', '1930er, USA', NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Virgin Mojito', 'Der Mojito ohne Rum', 'Die Limette mit Rohrzucker im Glas zerdrücken, Minze zugeben und leicht andrücken. Mit Crushed Ice füllen und mit Soda auffüllen.', '3', NULL, NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Florida', 'Fruchtiger Zitrusmix ohne Alkohol', 'Alle Säfte mit Zuckersirup und Eis kräftig schütteln und in ein Glas auf frisches Eis abseihen. Wer mag, gibt einen Schuss Soda dazu.', '3', NULL, NULL);
INSERT INTO cocktails (name, beschreibung, zubereitung, bewertung, erfinder, url) VALUES ('Virgin Mary', 'Würziger Tomatensaft ohne Alkohol', 'Tomatensaft, Zitronensaft und die Würzzutaten im Glas mit Eis verrühren und kräftig abschmecken.', NULL, NULL, NULL);

-- Group memberships
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Klassiker'), (SELECT nr FROM cocktails WHERE name = 'Dry Martini'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Klassiker'), (SELECT nr FROM cocktails WHERE name = 'Manhattan'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Klassiker'), (SELECT nr FROM cocktails WHERE name = 'Old Fashioned'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Klassiker'), (SELECT nr FROM cocktails WHERE name = 'Negroni'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Klassiker'), (SELECT nr FROM cocktails WHERE name = 'Boulevardier'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Klassiker'), (SELECT nr FROM cocktails WHERE name = 'Sazerac'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Digestif'), (SELECT nr FROM cocktails WHERE name = 'Sazerac'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Klassiker'), (SELECT nr FROM cocktails WHERE name = 'Rob Roy'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Klassiker'), (SELECT nr FROM cocktails WHERE name = 'Vesper'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Klassiker'), (SELECT nr FROM cocktails WHERE name = 'Champagner-Cocktail'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Prickelnd'), (SELECT nr FROM cocktails WHERE name = 'Champagner-Cocktail'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Sours'), (SELECT nr FROM cocktails WHERE name = 'Whiskey Sour'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Klassiker'), (SELECT nr FROM cocktails WHERE name = 'Whiskey Sour'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Sours'), (SELECT nr FROM cocktails WHERE name = 'Pisco Sour'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Sours'), (SELECT nr FROM cocktails WHERE name = 'Amaretto Sour'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Sours'), (SELECT nr FROM cocktails WHERE name = 'Daiquiri'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Klassiker'), (SELECT nr FROM cocktails WHERE name = 'Daiquiri'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Sours'), (SELECT nr FROM cocktails WHERE name = 'Margarita'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Klassiker'), (SELECT nr FROM cocktails WHERE name = 'Margarita'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Sours'), (SELECT nr FROM cocktails WHERE name = 'Sidecar'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Sours'), (SELECT nr FROM cocktails WHERE name = 'White Lady'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Sours'), (SELECT nr FROM cocktails WHERE name = 'Gimlet'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Sours'), (SELECT nr FROM cocktails WHERE name = 'Bee''s Knees'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Sours'), (SELECT nr FROM cocktails WHERE name = 'Clover Club'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Sours'), (SELECT nr FROM cocktails WHERE name = 'Corpse Reviver No. 2'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Sours'), (SELECT nr FROM cocktails WHERE name = 'Last Word'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Klassiker'), (SELECT nr FROM cocktails WHERE name = 'Last Word'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Sours'), (SELECT nr FROM cocktails WHERE name = 'Cosmopolitan'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Prickelnd'), (SELECT nr FROM cocktails WHERE name = 'French 75'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Sours'), (SELECT nr FROM cocktails WHERE name = 'French 75'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Longdrinks'), (SELECT nr FROM cocktails WHERE name = 'Mojito'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Klassiker'), (SELECT nr FROM cocktails WHERE name = 'Mojito'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Longdrinks'), (SELECT nr FROM cocktails WHERE name = 'Cuba Libre'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Longdrinks'), (SELECT nr FROM cocktails WHERE name = 'Gin Tonic'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Longdrinks'), (SELECT nr FROM cocktails WHERE name = 'Moscow Mule'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Longdrinks'), (SELECT nr FROM cocktails WHERE name = 'Dark ''n'' Stormy'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Tropisch'), (SELECT nr FROM cocktails WHERE name = 'Dark ''n'' Stormy'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Longdrinks'), (SELECT nr FROM cocktails WHERE name = 'Tom Collins'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Longdrinks'), (SELECT nr FROM cocktails WHERE name = 'Americano'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Longdrinks'), (SELECT nr FROM cocktails WHERE name = 'Screwdriver'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Longdrinks'), (SELECT nr FROM cocktails WHERE name = 'Harvey Wallbanger'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Longdrinks'), (SELECT nr FROM cocktails WHERE name = 'Tequila Sunrise'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Longdrinks'), (SELECT nr FROM cocktails WHERE name = 'Bloody Mary'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Longdrinks'), (SELECT nr FROM cocktails WHERE name = 'Paloma'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Longdrinks'), (SELECT nr FROM cocktails WHERE name = 'Long Island Iced Tea'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Longdrinks'), (SELECT nr FROM cocktails WHERE name = 'Blue Lagoon'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Longdrinks'), (SELECT nr FROM cocktails WHERE name = 'Sex on the Beach'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Tropisch'), (SELECT nr FROM cocktails WHERE name = 'Sex on the Beach'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Tropisch'), (SELECT nr FROM cocktails WHERE name = 'Caipirinha'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Klassiker'), (SELECT nr FROM cocktails WHERE name = 'Caipirinha'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Tropisch'), (SELECT nr FROM cocktails WHERE name = 'Piña Colada'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Tropisch'), (SELECT nr FROM cocktails WHERE name = 'Mai Tai'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Tropisch'), (SELECT nr FROM cocktails WHERE name = 'Zombie'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Tropisch'), (SELECT nr FROM cocktails WHERE name = 'Planter''s Punch'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Longdrinks'), (SELECT nr FROM cocktails WHERE name = 'Planter''s Punch'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Tropisch'), (SELECT nr FROM cocktails WHERE name = 'Hurricane'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Tropisch'), (SELECT nr FROM cocktails WHERE name = 'Singapore Sling'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Klassiker'), (SELECT nr FROM cocktails WHERE name = 'Singapore Sling'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Prickelnd'), (SELECT nr FROM cocktails WHERE name = 'Aperol Spritz'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Prickelnd'), (SELECT nr FROM cocktails WHERE name = 'Hugo'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Prickelnd'), (SELECT nr FROM cocktails WHERE name = 'Kir Royal'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Prickelnd'), (SELECT nr FROM cocktails WHERE name = 'Bellini'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Prickelnd'), (SELECT nr FROM cocktails WHERE name = 'Mimosa'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Digestif'), (SELECT nr FROM cocktails WHERE name = 'Espresso Martini'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Digestif'), (SELECT nr FROM cocktails WHERE name = 'White Russian'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Digestif'), (SELECT nr FROM cocktails WHERE name = 'Black Russian'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Digestif'), (SELECT nr FROM cocktails WHERE name = 'Grasshopper'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Digestif'), (SELECT nr FROM cocktails WHERE name = 'Brandy Alexander'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Klassiker'), (SELECT nr FROM cocktails WHERE name = 'Brandy Alexander'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Digestif'), (SELECT nr FROM cocktails WHERE name = 'Irish Coffee'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Digestif'), (SELECT nr FROM cocktails WHERE name = 'Rusty Nail'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Digestif'), (SELECT nr FROM cocktails WHERE name = 'Godfather'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Alkoholfrei'), (SELECT nr FROM cocktails WHERE name = 'Virgin Colada'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Tropisch'), (SELECT nr FROM cocktails WHERE name = 'Virgin Colada'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Alkoholfrei'), (SELECT nr FROM cocktails WHERE name = 'Ipanema'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Alkoholfrei'), (SELECT nr FROM cocktails WHERE name = 'Shirley Temple'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Alkoholfrei'), (SELECT nr FROM cocktails WHERE name = 'Virgin Mojito'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Alkoholfrei'), (SELECT nr FROM cocktails WHERE name = 'Florida'));
INSERT INTO gruppenzugehörigkeit (gruppe, cocktail) VALUES ((SELECT nr FROM cocktailgruppen WHERE name = 'Alkoholfrei'), (SELECT nr FROM cocktails WHERE name = 'Virgin Mary'));

-- Ingredient lines
-- Dry Martini
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Dry Martini'), (SELECT nr FROM zutaten WHERE name = 'Gin'), '6 cl', 0, '', 1, 'gut gekühlt');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Dry Martini'), (SELECT nr FROM zutaten WHERE name = 'Trockener Wermut'), '1 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Dry Martini'), (SELECT nr FROM zutaten WHERE name = 'Orangenbitter'), '1 Spritzer', 0, '', 0, '');
-- Manhattan
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Manhattan'), (SELECT nr FROM zutaten WHERE name = 'Rye Whiskey'), '5 cl', (SELECT nr FROM zutaten WHERE name = 'Bourbon Whiskey'), '5 cl', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Manhattan'), (SELECT nr FROM zutaten WHERE name = 'Roter Wermut'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Manhattan'), (SELECT nr FROM zutaten WHERE name = 'Angostura Bitter'), '2 Spritzer', 0, '', 1, '');
-- Old Fashioned
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Old Fashioned'), (SELECT nr FROM zutaten WHERE name = 'Bourbon Whiskey'), '6 cl', (SELECT nr FROM zutaten WHERE name = 'Rye Whiskey'), '6 cl', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Old Fashioned'), (SELECT nr FROM zutaten WHERE name = 'Würfelzucker'), '1 Stück', (SELECT nr FROM zutaten WHERE name = 'Zuckersirup'), '1 cl', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Old Fashioned'), (SELECT nr FROM zutaten WHERE name = 'Angostura Bitter'), '3 Spritzer', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Old Fashioned'), (SELECT nr FROM zutaten WHERE name = 'Sodawasser'), '1 Barlöffel', 0, '', 0, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Old Fashioned'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), '1 großer', 0, '', 1, '');
-- Negroni
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Negroni'), (SELECT nr FROM zutaten WHERE name = 'Gin'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Negroni'), (SELECT nr FROM zutaten WHERE name = 'Campari'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Negroni'), (SELECT nr FROM zutaten WHERE name = 'Roter Wermut'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Negroni'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Boulevardier
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Boulevardier'), (SELECT nr FROM zutaten WHERE name = 'Bourbon Whiskey'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Boulevardier'), (SELECT nr FROM zutaten WHERE name = 'Campari'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Boulevardier'), (SELECT nr FROM zutaten WHERE name = 'Roter Wermut'), '3 cl', 0, '', 1, '');
-- Sazerac
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Sazerac'), (SELECT nr FROM zutaten WHERE name = 'Rye Whiskey'), '6 cl', (SELECT nr FROM zutaten WHERE name = 'Cognac'), '6 cl', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Sazerac'), (SELECT nr FROM zutaten WHERE name = 'Würfelzucker'), '1 Stück', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Sazerac'), (SELECT nr FROM zutaten WHERE name = 'Peychaud''s Bitter'), '3 Spritzer', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Sazerac'), (SELECT nr FROM zutaten WHERE name = 'Absinth'), '1 Barlöffel', 0, '', 1, 'zum Ausschwenken');
-- Rob Roy
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Rob Roy'), (SELECT nr FROM zutaten WHERE name = 'Scotch Whisky'), '5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Rob Roy'), (SELECT nr FROM zutaten WHERE name = 'Roter Wermut'), '2,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Rob Roy'), (SELECT nr FROM zutaten WHERE name = 'Angostura Bitter'), '2 Spritzer', 0, '', 1, '');
-- Vesper
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Vesper'), (SELECT nr FROM zutaten WHERE name = 'Gin'), '6 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Vesper'), (SELECT nr FROM zutaten WHERE name = 'Wodka'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Vesper'), (SELECT nr FROM zutaten WHERE name = 'Lillet Blanc'), '1 cl', 0, '', 1, '');
-- Champagner-Cocktail
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Champagner-Cocktail'), (SELECT nr FROM zutaten WHERE name = 'Würfelzucker'), '1 Stück', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Champagner-Cocktail'), (SELECT nr FROM zutaten WHERE name = 'Angostura Bitter'), '2 Spritzer', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Champagner-Cocktail'), (SELECT nr FROM zutaten WHERE name = 'Champagner'), 'auffüllen', 0, '', 1, 'gut gekühlt');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Champagner-Cocktail'), (SELECT nr FROM zutaten WHERE name = 'Cognac'), '1 cl', 0, '', 0, '');
-- Whiskey Sour
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Whiskey Sour'), (SELECT nr FROM zutaten WHERE name = 'Bourbon Whiskey'), '5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Whiskey Sour'), (SELECT nr FROM zutaten WHERE name = 'Zitronensaft'), '3 cl', 0, '', 1, 'frisch gepresst');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Whiskey Sour'), (SELECT nr FROM zutaten WHERE name = 'Zuckersirup'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Whiskey Sour'), (SELECT nr FROM zutaten WHERE name = 'Eiweiß'), '1/2 Eiweiß', 0, '', 0, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Whiskey Sour'), (SELECT nr FROM zutaten WHERE name = 'Sodawasser'), '1 Spritzer', 0, '', 0, '');
-- Pisco Sour
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Pisco Sour'), (SELECT nr FROM zutaten WHERE name = 'Pisco'), '5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Pisco Sour'), (SELECT nr FROM zutaten WHERE name = 'Limettensaft'), '3 cl', (SELECT nr FROM zutaten WHERE name = 'Zitronensaft'), '3 cl', 1, 'frisch gepresst');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Pisco Sour'), (SELECT nr FROM zutaten WHERE name = 'Zuckersirup'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Pisco Sour'), (SELECT nr FROM zutaten WHERE name = 'Eiweiß'), '1 Eiweiß', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Pisco Sour'), (SELECT nr FROM zutaten WHERE name = 'Angostura Bitter'), '3 Tropfen', 0, '', 0, 'auf den Schaum');
-- Amaretto Sour
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Amaretto Sour'), (SELECT nr FROM zutaten WHERE name = 'Amaretto'), '5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Amaretto Sour'), (SELECT nr FROM zutaten WHERE name = 'Zitronensaft'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Amaretto Sour'), (SELECT nr FROM zutaten WHERE name = 'Zuckersirup'), '1 cl', 0, '', 0, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Amaretto Sour'), (SELECT nr FROM zutaten WHERE name = 'Eiweiß'), '1/2 Eiweiß', 0, '', 0, '');
-- Daiquiri
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Daiquiri'), (SELECT nr FROM zutaten WHERE name = 'Weißer Rum'), '6 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Daiquiri'), (SELECT nr FROM zutaten WHERE name = 'Limettensaft'), '3 cl', 0, '', 1, 'frisch gepresst');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Daiquiri'), (SELECT nr FROM zutaten WHERE name = 'Zuckersirup'), '2 cl', (SELECT nr FROM zutaten WHERE name = 'Rohrzucker'), '2 Barlöffel', 1, '');
-- Margarita
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Margarita'), (SELECT nr FROM zutaten WHERE name = 'Tequila'), '5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Margarita'), (SELECT nr FROM zutaten WHERE name = 'Orangenlikör'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Margarita'), (SELECT nr FROM zutaten WHERE name = 'Limettensaft'), '2,5 cl', 0, '', 1, 'frisch gepresst');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Margarita'), (SELECT nr FROM zutaten WHERE name = 'Zuckersirup'), '0,5 cl', 0, '', 0, '');
-- Sidecar
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Sidecar'), (SELECT nr FROM zutaten WHERE name = 'Cognac'), '5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Sidecar'), (SELECT nr FROM zutaten WHERE name = 'Orangenlikör'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Sidecar'), (SELECT nr FROM zutaten WHERE name = 'Zitronensaft'), '2 cl', 0, '', 1, '');
-- White Lady
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'White Lady'), (SELECT nr FROM zutaten WHERE name = 'Gin'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'White Lady'), (SELECT nr FROM zutaten WHERE name = 'Orangenlikör'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'White Lady'), (SELECT nr FROM zutaten WHERE name = 'Zitronensaft'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'White Lady'), (SELECT nr FROM zutaten WHERE name = 'Eiweiß'), '1/2 Eiweiß', 0, '', 0, '');
-- Gimlet
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Gimlet'), (SELECT nr FROM zutaten WHERE name = 'Gin'), '6 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Gimlet'), (SELECT nr FROM zutaten WHERE name = 'Limettensaft'), '2 cl', (SELECT nr FROM zutaten WHERE name = 'Zitronensaft'), '2 cl', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Gimlet'), (SELECT nr FROM zutaten WHERE name = 'Zuckersirup'), '1,5 cl', 0, '', 1, '');
-- Bee’s Knees
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Bee''s Knees'), (SELECT nr FROM zutaten WHERE name = 'Gin'), '5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Bee''s Knees'), (SELECT nr FROM zutaten WHERE name = 'Zitronensaft'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Bee''s Knees'), (SELECT nr FROM zutaten WHERE name = 'Honigsirup'), '2 cl', 0, '', 1, '');
-- Clover Club
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Clover Club'), (SELECT nr FROM zutaten WHERE name = 'Gin'), '5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Clover Club'), (SELECT nr FROM zutaten WHERE name = 'Zitronensaft'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Clover Club'), (SELECT nr FROM zutaten WHERE name = 'Himbeersirup'), '1,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Clover Club'), (SELECT nr FROM zutaten WHERE name = 'Eiweiß'), '1/2 Eiweiß', 0, '', 1, '');
-- Corpse Reviver No. 2
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Corpse Reviver No. 2'), (SELECT nr FROM zutaten WHERE name = 'Gin'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Corpse Reviver No. 2'), (SELECT nr FROM zutaten WHERE name = 'Orangenlikör'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Corpse Reviver No. 2'), (SELECT nr FROM zutaten WHERE name = 'Lillet Blanc'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Corpse Reviver No. 2'), (SELECT nr FROM zutaten WHERE name = 'Zitronensaft'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Corpse Reviver No. 2'), (SELECT nr FROM zutaten WHERE name = 'Absinth'), '1 Spritzer', 0, '', 1, 'zum Ausschwenken');
-- Last Word
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Last Word'), (SELECT nr FROM zutaten WHERE name = 'Gin'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Last Word'), (SELECT nr FROM zutaten WHERE name = 'Chartreuse grün'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Last Word'), (SELECT nr FROM zutaten WHERE name = 'Maraschino'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Last Word'), (SELECT nr FROM zutaten WHERE name = 'Limettensaft'), '2 cl', 0, '', 1, 'frisch gepresst');
-- Cosmopolitan
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Cosmopolitan'), (SELECT nr FROM zutaten WHERE name = 'Wodka'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Cosmopolitan'), (SELECT nr FROM zutaten WHERE name = 'Orangenlikör'), '1,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Cosmopolitan'), (SELECT nr FROM zutaten WHERE name = 'Cranberrysaft'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Cosmopolitan'), (SELECT nr FROM zutaten WHERE name = 'Limettensaft'), '1,5 cl', 0, '', 1, '');
-- French 75
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'French 75'), (SELECT nr FROM zutaten WHERE name = 'Gin'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'French 75'), (SELECT nr FROM zutaten WHERE name = 'Zitronensaft'), '1,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'French 75'), (SELECT nr FROM zutaten WHERE name = 'Zuckersirup'), '1,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'French 75'), (SELECT nr FROM zutaten WHERE name = 'Champagner'), 'auffüllen', 0, '', 1, 'gut gekühlt');
-- Mojito
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Mojito'), (SELECT nr FROM zutaten WHERE name = 'Weißer Rum'), '5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Mojito'), (SELECT nr FROM zutaten WHERE name = 'Limette'), '1/2 Limette', 0, '', 1, 'geachtelt');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Mojito'), (SELECT nr FROM zutaten WHERE name = 'Rohrzucker'), '2 Barlöffel', (SELECT nr FROM zutaten WHERE name = 'Zuckersirup'), '2 cl', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Mojito'), (SELECT nr FROM zutaten WHERE name = 'Minzblätter'), '8 Blätter', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Mojito'), (SELECT nr FROM zutaten WHERE name = 'Sodawasser'), 'auffüllen', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Mojito'), (SELECT nr FROM zutaten WHERE name = 'Crushed Ice'), 'Glas voll', 0, '', 1, '');
-- Cuba Libre
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Cuba Libre'), (SELECT nr FROM zutaten WHERE name = 'Weißer Rum'), '4 cl', (SELECT nr FROM zutaten WHERE name = 'Brauner Rum'), '4 cl', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Cuba Libre'), (SELECT nr FROM zutaten WHERE name = 'Cola'), 'auffüllen', 0, '', 1, 'gut gekühlt');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Cuba Libre'), (SELECT nr FROM zutaten WHERE name = 'Limettensaft'), '1 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Cuba Libre'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Gin Tonic
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Gin Tonic'), (SELECT nr FROM zutaten WHERE name = 'Gin'), '5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Gin Tonic'), (SELECT nr FROM zutaten WHERE name = 'Tonic Water'), '15 cl', 0, '', 1, 'gut gekühlt');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Gin Tonic'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Moscow Mule
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Moscow Mule'), (SELECT nr FROM zutaten WHERE name = 'Wodka'), '5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Moscow Mule'), (SELECT nr FROM zutaten WHERE name = 'Limettensaft'), '1,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Moscow Mule'), (SELECT nr FROM zutaten WHERE name = 'Ginger Beer'), 'auffüllen', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Moscow Mule'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Dark ’n’ Stormy
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Dark ''n'' Stormy'), (SELECT nr FROM zutaten WHERE name = 'Brauner Rum'), '5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Dark ''n'' Stormy'), (SELECT nr FROM zutaten WHERE name = 'Ginger Beer'), '10 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Dark ''n'' Stormy'), (SELECT nr FROM zutaten WHERE name = 'Limettensaft'), '1 cl', 0, '', 0, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Dark ''n'' Stormy'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Tom Collins
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Tom Collins'), (SELECT nr FROM zutaten WHERE name = 'Gin'), '5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Tom Collins'), (SELECT nr FROM zutaten WHERE name = 'Zitronensaft'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Tom Collins'), (SELECT nr FROM zutaten WHERE name = 'Zuckersirup'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Tom Collins'), (SELECT nr FROM zutaten WHERE name = 'Sodawasser'), 'auffüllen', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Tom Collins'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Americano
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Americano'), (SELECT nr FROM zutaten WHERE name = 'Campari'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Americano'), (SELECT nr FROM zutaten WHERE name = 'Roter Wermut'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Americano'), (SELECT nr FROM zutaten WHERE name = 'Sodawasser'), 'auffüllen', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Americano'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Screwdriver
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Screwdriver'), (SELECT nr FROM zutaten WHERE name = 'Wodka'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Screwdriver'), (SELECT nr FROM zutaten WHERE name = 'Orangensaft'), 'auffüllen', 0, '', 1, 'frisch gepresst');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Screwdriver'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Harvey Wallbanger
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Harvey Wallbanger'), (SELECT nr FROM zutaten WHERE name = 'Wodka'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Harvey Wallbanger'), (SELECT nr FROM zutaten WHERE name = 'Orangensaft'), '12 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Harvey Wallbanger'), (SELECT nr FROM zutaten WHERE name = 'Galliano'), '1,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Harvey Wallbanger'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Tequila Sunrise
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Tequila Sunrise'), (SELECT nr FROM zutaten WHERE name = 'Tequila'), '5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Tequila Sunrise'), (SELECT nr FROM zutaten WHERE name = 'Orangensaft'), '12 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Tequila Sunrise'), (SELECT nr FROM zutaten WHERE name = 'Grenadine'), '1,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Tequila Sunrise'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Bloody Mary
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Bloody Mary'), (SELECT nr FROM zutaten WHERE name = 'Wodka'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Bloody Mary'), (SELECT nr FROM zutaten WHERE name = 'Tomatensaft'), '12 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Bloody Mary'), (SELECT nr FROM zutaten WHERE name = 'Zitronensaft'), '1 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Bloody Mary'), (SELECT nr FROM zutaten WHERE name = 'Worcestershiresauce'), '3 Spritzer', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Bloody Mary'), (SELECT nr FROM zutaten WHERE name = 'Tabasco'), '2 Spritzer', 0, '', 0, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Bloody Mary'), (SELECT nr FROM zutaten WHERE name = 'Salz'), '1 Prise', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Bloody Mary'), (SELECT nr FROM zutaten WHERE name = 'Pfeffer'), '1 Prise', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Bloody Mary'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Paloma
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Paloma'), (SELECT nr FROM zutaten WHERE name = 'Tequila'), '5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Paloma'), (SELECT nr FROM zutaten WHERE name = 'Grapefruitsaft'), '10 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Paloma'), (SELECT nr FROM zutaten WHERE name = 'Limettensaft'), '1,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Paloma'), (SELECT nr FROM zutaten WHERE name = 'Sodawasser'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Paloma'), (SELECT nr FROM zutaten WHERE name = 'Salz'), '1 Prise', 0, '', 0, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Paloma'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Long Island Iced Tea
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Long Island Iced Tea'), (SELECT nr FROM zutaten WHERE name = 'Wodka'), '1,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Long Island Iced Tea'), (SELECT nr FROM zutaten WHERE name = 'Gin'), '1,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Long Island Iced Tea'), (SELECT nr FROM zutaten WHERE name = 'Weißer Rum'), '1,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Long Island Iced Tea'), (SELECT nr FROM zutaten WHERE name = 'Tequila'), '1,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Long Island Iced Tea'), (SELECT nr FROM zutaten WHERE name = 'Orangenlikör'), '1,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Long Island Iced Tea'), (SELECT nr FROM zutaten WHERE name = 'Zitronensaft'), '2,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Long Island Iced Tea'), (SELECT nr FROM zutaten WHERE name = 'Zuckersirup'), '1,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Long Island Iced Tea'), (SELECT nr FROM zutaten WHERE name = 'Cola'), 'auffüllen', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Long Island Iced Tea'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Blue Lagoon
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Blue Lagoon'), (SELECT nr FROM zutaten WHERE name = 'Wodka'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Blue Lagoon'), (SELECT nr FROM zutaten WHERE name = 'Blue Curaçao'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Blue Lagoon'), (SELECT nr FROM zutaten WHERE name = 'Zitronenlimonade'), 'auffüllen', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Blue Lagoon'), (SELECT nr FROM zutaten WHERE name = 'Zitronensaft'), '1 cl', 0, '', 0, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Blue Lagoon'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Sex on the Beach
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Sex on the Beach'), (SELECT nr FROM zutaten WHERE name = 'Wodka'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Sex on the Beach'), (SELECT nr FROM zutaten WHERE name = 'Pfirsichlikör'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Sex on the Beach'), (SELECT nr FROM zutaten WHERE name = 'Orangensaft'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Sex on the Beach'), (SELECT nr FROM zutaten WHERE name = 'Cranberrysaft'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Sex on the Beach'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Caipirinha
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Caipirinha'), (SELECT nr FROM zutaten WHERE name = 'Cachaça'), '5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Caipirinha'), (SELECT nr FROM zutaten WHERE name = 'Limette'), '1 Limette', 0, '', 1, 'geachtelt');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Caipirinha'), (SELECT nr FROM zutaten WHERE name = 'Rohrzucker'), '2 Barlöffel', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Caipirinha'), (SELECT nr FROM zutaten WHERE name = 'Crushed Ice'), 'Glas voll', 0, '', 1, '');
-- Piña Colada
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Piña Colada'), (SELECT nr FROM zutaten WHERE name = 'Weißer Rum'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Piña Colada'), (SELECT nr FROM zutaten WHERE name = 'Kokosnusscreme'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Piña Colada'), (SELECT nr FROM zutaten WHERE name = 'Ananassaft'), '12 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Piña Colada'), (SELECT nr FROM zutaten WHERE name = 'Sahne'), '2 cl', 0, '', 0, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Piña Colada'), (SELECT nr FROM zutaten WHERE name = 'Crushed Ice'), 'nach Bedarf', 0, '', 1, '');
-- Mai Tai
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Mai Tai'), (SELECT nr FROM zutaten WHERE name = 'Jamaika-Rum'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Mai Tai'), (SELECT nr FROM zutaten WHERE name = 'Brauner Rum'), '3 cl', 0, '', 1, 'obenauf');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Mai Tai'), (SELECT nr FROM zutaten WHERE name = 'Orangenlikör'), '1,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Mai Tai'), (SELECT nr FROM zutaten WHERE name = 'Mandelsirup'), '1,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Mai Tai'), (SELECT nr FROM zutaten WHERE name = 'Zuckersirup'), '0,5 cl', 0, '', 0, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Mai Tai'), (SELECT nr FROM zutaten WHERE name = 'Limettensaft'), '3 cl', 0, '', 1, 'frisch gepresst');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Mai Tai'), (SELECT nr FROM zutaten WHERE name = 'Crushed Ice'), 'Glas voll', 0, '', 1, '');
-- Zombie
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Zombie'), (SELECT nr FROM zutaten WHERE name = 'Weißer Rum'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Zombie'), (SELECT nr FROM zutaten WHERE name = 'Brauner Rum'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Zombie'), (SELECT nr FROM zutaten WHERE name = 'Jamaika-Rum'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Zombie'), (SELECT nr FROM zutaten WHERE name = 'Limettensaft'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Zombie'), (SELECT nr FROM zutaten WHERE name = 'Grapefruitsaft'), '1,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Zombie'), (SELECT nr FROM zutaten WHERE name = 'Falernum'), '1,5 cl', 0, '', 0, 'falls vorhanden');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Zombie'), (SELECT nr FROM zutaten WHERE name = 'Grenadine'), '1 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Zombie'), (SELECT nr FROM zutaten WHERE name = 'Absinth'), '2 Spritzer', 0, '', 0, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Zombie'), (SELECT nr FROM zutaten WHERE name = 'Angostura Bitter'), '1 Spritzer', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Zombie'), (SELECT nr FROM zutaten WHERE name = 'Crushed Ice'), 'Glas voll', 0, '', 1, '');
-- Planter’s Punch
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Planter''s Punch'), (SELECT nr FROM zutaten WHERE name = 'Jamaika-Rum'), '6 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Planter''s Punch'), (SELECT nr FROM zutaten WHERE name = 'Limettensaft'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Planter''s Punch'), (SELECT nr FROM zutaten WHERE name = 'Zuckersirup'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Planter''s Punch'), (SELECT nr FROM zutaten WHERE name = 'Grenadine'), '1 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Planter''s Punch'), (SELECT nr FROM zutaten WHERE name = 'Orangensaft'), '4 cl', 0, '', 0, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Planter''s Punch'), (SELECT nr FROM zutaten WHERE name = 'Angostura Bitter'), '2 Spritzer', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Planter''s Punch'), (SELECT nr FROM zutaten WHERE name = 'Sodawasser'), 'nach Belieben', 0, '', 0, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Planter''s Punch'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Hurricane
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Hurricane'), (SELECT nr FROM zutaten WHERE name = 'Weißer Rum'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Hurricane'), (SELECT nr FROM zutaten WHERE name = 'Brauner Rum'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Hurricane'), (SELECT nr FROM zutaten WHERE name = 'Maracujasaft'), '6 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Hurricane'), (SELECT nr FROM zutaten WHERE name = 'Orangensaft'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Hurricane'), (SELECT nr FROM zutaten WHERE name = 'Limettensaft'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Hurricane'), (SELECT nr FROM zutaten WHERE name = 'Grenadine'), '1 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Hurricane'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Singapore Sling
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Singapore Sling'), (SELECT nr FROM zutaten WHERE name = 'Gin'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Singapore Sling'), (SELECT nr FROM zutaten WHERE name = 'Kirschlikör'), '1,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Singapore Sling'), (SELECT nr FROM zutaten WHERE name = 'Orangenlikör'), '0,75 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Singapore Sling'), (SELECT nr FROM zutaten WHERE name = 'Bénédictine'), '0,75 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Singapore Sling'), (SELECT nr FROM zutaten WHERE name = 'Ananassaft'), '12 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Singapore Sling'), (SELECT nr FROM zutaten WHERE name = 'Limettensaft'), '1,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Singapore Sling'), (SELECT nr FROM zutaten WHERE name = 'Grenadine'), '1 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Singapore Sling'), (SELECT nr FROM zutaten WHERE name = 'Angostura Bitter'), '1 Spritzer', 0, '', 1, '');
-- Aperol Spritz
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Aperol Spritz'), (SELECT nr FROM zutaten WHERE name = 'Prosecco'), '9 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Aperol Spritz'), (SELECT nr FROM zutaten WHERE name = 'Aperol'), '6 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Aperol Spritz'), (SELECT nr FROM zutaten WHERE name = 'Sodawasser'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Aperol Spritz'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Hugo
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Hugo'), (SELECT nr FROM zutaten WHERE name = 'Prosecco'), '12 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Hugo'), (SELECT nr FROM zutaten WHERE name = 'Holunderblütensirup'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Hugo'), (SELECT nr FROM zutaten WHERE name = 'Sodawasser'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Hugo'), (SELECT nr FROM zutaten WHERE name = 'Minzblätter'), '4 Blätter', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Hugo'), (SELECT nr FROM zutaten WHERE name = 'Limette'), '2 Scheiben', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Hugo'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Kir Royal
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Kir Royal'), (SELECT nr FROM zutaten WHERE name = 'Crème de Cassis'), '1 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Kir Royal'), (SELECT nr FROM zutaten WHERE name = 'Champagner'), '10 cl', (SELECT nr FROM zutaten WHERE name = 'Sekt'), '10 cl', 1, 'gut gekühlt');
-- Bellini
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Bellini'), (SELECT nr FROM zutaten WHERE name = 'Pfirsichpüree'), '5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Bellini'), (SELECT nr FROM zutaten WHERE name = 'Prosecco'), '10 cl', 0, '', 1, 'gut gekühlt');
-- Mimosa
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Mimosa'), (SELECT nr FROM zutaten WHERE name = 'Orangensaft'), '7,5 cl', 0, '', 1, 'frisch gepresst');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Mimosa'), (SELECT nr FROM zutaten WHERE name = 'Champagner'), '7,5 cl', (SELECT nr FROM zutaten WHERE name = 'Sekt'), '7,5 cl', 1, '');
-- Espresso Martini
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Espresso Martini'), (SELECT nr FROM zutaten WHERE name = 'Wodka'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Espresso Martini'), (SELECT nr FROM zutaten WHERE name = 'Kaffeelikör'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Espresso Martini'), (SELECT nr FROM zutaten WHERE name = 'Espresso'), '3 cl', 0, '', 1, 'frisch gebrüht');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Espresso Martini'), (SELECT nr FROM zutaten WHERE name = 'Zuckersirup'), '0,5 cl', 0, '', 0, '');
-- White Russian
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'White Russian'), (SELECT nr FROM zutaten WHERE name = 'Wodka'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'White Russian'), (SELECT nr FROM zutaten WHERE name = 'Kaffeelikör'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'White Russian'), (SELECT nr FROM zutaten WHERE name = 'Sahne'), '3 cl', 0, '', 1, 'leicht angeschlagen');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'White Russian'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Black Russian
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Black Russian'), (SELECT nr FROM zutaten WHERE name = 'Wodka'), '5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Black Russian'), (SELECT nr FROM zutaten WHERE name = 'Kaffeelikör'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Black Russian'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Grasshopper
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Grasshopper'), (SELECT nr FROM zutaten WHERE name = 'Crème de Menthe'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Grasshopper'), (SELECT nr FROM zutaten WHERE name = 'Crème de Cacao'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Grasshopper'), (SELECT nr FROM zutaten WHERE name = 'Sahne'), '3 cl', 0, '', 1, '');
-- Brandy Alexander
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Brandy Alexander'), (SELECT nr FROM zutaten WHERE name = 'Cognac'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Brandy Alexander'), (SELECT nr FROM zutaten WHERE name = 'Crème de Cacao'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Brandy Alexander'), (SELECT nr FROM zutaten WHERE name = 'Sahne'), '3 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Brandy Alexander'), (SELECT nr FROM zutaten WHERE name = 'Muskatnuss'), '1 Prise', 0, '', 0, '');
-- Irish Coffee
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Irish Coffee'), (SELECT nr FROM zutaten WHERE name = 'Irish Whiskey'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Irish Coffee'), (SELECT nr FROM zutaten WHERE name = 'Kaffee'), '10 cl', 0, '', 1, 'heiß');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Irish Coffee'), (SELECT nr FROM zutaten WHERE name = 'Rohrzucker'), '2 Barlöffel', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Irish Coffee'), (SELECT nr FROM zutaten WHERE name = 'Sahne'), '3 cl', 0, '', 1, 'leicht geschlagen');
-- Rusty Nail
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Rusty Nail'), (SELECT nr FROM zutaten WHERE name = 'Scotch Whisky'), '4,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Rusty Nail'), (SELECT nr FROM zutaten WHERE name = 'Drambuie'), '2,5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Rusty Nail'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Godfather
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Godfather'), (SELECT nr FROM zutaten WHERE name = 'Scotch Whisky'), '5 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Godfather'), (SELECT nr FROM zutaten WHERE name = 'Amaretto'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Godfather'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Virgin Colada
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Virgin Colada'), (SELECT nr FROM zutaten WHERE name = 'Ananassaft'), '14 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Virgin Colada'), (SELECT nr FROM zutaten WHERE name = 'Kokosnusscreme'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Virgin Colada'), (SELECT nr FROM zutaten WHERE name = 'Sahne'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Virgin Colada'), (SELECT nr FROM zutaten WHERE name = 'Crushed Ice'), 'nach Bedarf', 0, '', 1, '');
-- Ipanema
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Ipanema'), (SELECT nr FROM zutaten WHERE name = 'Limette'), '1 Limette', 0, '', 1, 'geachtelt');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Ipanema'), (SELECT nr FROM zutaten WHERE name = 'Rohrzucker'), '2 Barlöffel', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Ipanema'), (SELECT nr FROM zutaten WHERE name = 'Maracujasaft'), '4 cl', 0, '', 0, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Ipanema'), (SELECT nr FROM zutaten WHERE name = 'Ginger Ale'), 'auffüllen', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Ipanema'), (SELECT nr FROM zutaten WHERE name = 'Crushed Ice'), 'Glas voll', 0, '', 1, '');
-- Shirley Temple
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Shirley Temple'), (SELECT nr FROM zutaten WHERE name = 'Ginger Ale'), '15 cl', (SELECT nr FROM zutaten WHERE name = 'Zitronenlimonade'), '15 cl', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Shirley Temple'), (SELECT nr FROM zutaten WHERE name = 'Grenadine'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Shirley Temple'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');
-- Virgin Mojito
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Virgin Mojito'), (SELECT nr FROM zutaten WHERE name = 'Limette'), '1/2 Limette', 0, '', 1, 'geachtelt');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Virgin Mojito'), (SELECT nr FROM zutaten WHERE name = 'Rohrzucker'), '2 Barlöffel', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Virgin Mojito'), (SELECT nr FROM zutaten WHERE name = 'Minzblätter'), '8 Blätter', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Virgin Mojito'), (SELECT nr FROM zutaten WHERE name = 'Sodawasser'), 'auffüllen', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Virgin Mojito'), (SELECT nr FROM zutaten WHERE name = 'Crushed Ice'), 'Glas voll', 0, '', 1, '');
-- Florida
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Florida'), (SELECT nr FROM zutaten WHERE name = 'Orangensaft'), '6 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Florida'), (SELECT nr FROM zutaten WHERE name = 'Grapefruitsaft'), '4 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Florida'), (SELECT nr FROM zutaten WHERE name = 'Zitronensaft'), '2 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Florida'), (SELECT nr FROM zutaten WHERE name = 'Zuckersirup'), '1 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Florida'), (SELECT nr FROM zutaten WHERE name = 'Sodawasser'), 'nach Belieben', 0, '', 0, '');
-- Virgin Mary
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Virgin Mary'), (SELECT nr FROM zutaten WHERE name = 'Tomatensaft'), '15 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Virgin Mary'), (SELECT nr FROM zutaten WHERE name = 'Zitronensaft'), '1 cl', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Virgin Mary'), (SELECT nr FROM zutaten WHERE name = 'Worcestershiresauce'), '3 Spritzer', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Virgin Mary'), (SELECT nr FROM zutaten WHERE name = 'Tabasco'), '1 Spritzer', 0, '', 0, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Virgin Mary'), (SELECT nr FROM zutaten WHERE name = 'Salz'), '1 Prise', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Virgin Mary'), (SELECT nr FROM zutaten WHERE name = 'Pfeffer'), '1 Prise', 0, '', 1, '');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation, variationsmenge, pflicht, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Virgin Mary'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'), 'nach Bedarf', 0, '', 1, '');

-- Decoration lines
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Dry Martini'), (SELECT nr FROM deko WHERE name = 'Olive'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Dry Martini'), (SELECT nr FROM deko WHERE name = 'Zitronenzeste'), 'statt der Olive');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Manhattan'), (SELECT nr FROM deko WHERE name = 'Cocktailkirsche'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Old Fashioned'), (SELECT nr FROM deko WHERE name = 'Orangenzeste'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Old Fashioned'), (SELECT nr FROM deko WHERE name = 'Cocktailkirsche'), 'nach Belieben');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Negroni'), (SELECT nr FROM deko WHERE name = 'Orangenscheibe'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Boulevardier'), (SELECT nr FROM deko WHERE name = 'Orangenzeste'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Sazerac'), (SELECT nr FROM deko WHERE name = 'Zitronenzeste'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Rob Roy'), (SELECT nr FROM deko WHERE name = 'Cocktailkirsche'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Vesper'), (SELECT nr FROM deko WHERE name = 'Zitronenzeste'), 'lang und dünn geschnitten');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Champagner-Cocktail'), (SELECT nr FROM deko WHERE name = 'Orangenzeste'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Whiskey Sour'), (SELECT nr FROM deko WHERE name = 'Cocktailkirsche'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Whiskey Sour'), (SELECT nr FROM deko WHERE name = 'Orangenscheibe'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Amaretto Sour'), (SELECT nr FROM deko WHERE name = 'Cocktailkirsche'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Amaretto Sour'), (SELECT nr FROM deko WHERE name = 'Zitronenscheibe'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Daiquiri'), (SELECT nr FROM deko WHERE name = 'Limettenscheibe'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Margarita'), (SELECT nr FROM deko WHERE name = 'Salzrand'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Margarita'), (SELECT nr FROM deko WHERE name = 'Limettenscheibe'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Sidecar'), (SELECT nr FROM deko WHERE name = 'Zuckerrand'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Sidecar'), (SELECT nr FROM deko WHERE name = 'Orangenzeste'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'White Lady'), (SELECT nr FROM deko WHERE name = 'Zitronenzeste'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Gimlet'), (SELECT nr FROM deko WHERE name = 'Limettenscheibe'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Bee''s Knees'), (SELECT nr FROM deko WHERE name = 'Zitronenzeste'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Corpse Reviver No. 2'), (SELECT nr FROM deko WHERE name = 'Orangenzeste'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Last Word'), (SELECT nr FROM deko WHERE name = 'Cocktailkirsche'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Cosmopolitan'), (SELECT nr FROM deko WHERE name = 'Orangenzeste'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'French 75'), (SELECT nr FROM deko WHERE name = 'Zitronenzeste'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Mojito'), (SELECT nr FROM deko WHERE name = 'Minzzweig'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Mojito'), (SELECT nr FROM deko WHERE name = 'Strohhalm'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Cuba Libre'), (SELECT nr FROM deko WHERE name = 'Limettenspalte'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Gin Tonic'), (SELECT nr FROM deko WHERE name = 'Limettenspalte'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Gin Tonic'), (SELECT nr FROM deko WHERE name = 'Gurkenscheibe'), 'statt der Limette');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Moscow Mule'), (SELECT nr FROM deko WHERE name = 'Limettenspalte'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Moscow Mule'), (SELECT nr FROM deko WHERE name = 'Minzzweig'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Dark ''n'' Stormy'), (SELECT nr FROM deko WHERE name = 'Limettenspalte'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Tom Collins'), (SELECT nr FROM deko WHERE name = 'Zitronenscheibe'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Tom Collins'), (SELECT nr FROM deko WHERE name = 'Cocktailkirsche'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Americano'), (SELECT nr FROM deko WHERE name = 'Orangenscheibe'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Screwdriver'), (SELECT nr FROM deko WHERE name = 'Orangenscheibe'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Harvey Wallbanger'), (SELECT nr FROM deko WHERE name = 'Orangenscheibe'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Tequila Sunrise'), (SELECT nr FROM deko WHERE name = 'Orangenscheibe'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Tequila Sunrise'), (SELECT nr FROM deko WHERE name = 'Strohhalm'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Bloody Mary'), (SELECT nr FROM deko WHERE name = 'Selleriestange'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Bloody Mary'), (SELECT nr FROM deko WHERE name = 'Zitronenscheibe'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Paloma'), (SELECT nr FROM deko WHERE name = 'Limettenspalte'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Paloma'), (SELECT nr FROM deko WHERE name = 'Salzrand'), 'nur am halben Rand');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Long Island Iced Tea'), (SELECT nr FROM deko WHERE name = 'Zitronenscheibe'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Long Island Iced Tea'), (SELECT nr FROM deko WHERE name = 'Strohhalm'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Blue Lagoon'), (SELECT nr FROM deko WHERE name = 'Zitronenscheibe'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Sex on the Beach'), (SELECT nr FROM deko WHERE name = 'Orangenscheibe'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Sex on the Beach'), (SELECT nr FROM deko WHERE name = 'Strohhalm'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Caipirinha'), (SELECT nr FROM deko WHERE name = 'Strohhalm'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Piña Colada'), (SELECT nr FROM deko WHERE name = 'Ananasstück'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Piña Colada'), (SELECT nr FROM deko WHERE name = 'Cocktailkirsche'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Mai Tai'), (SELECT nr FROM deko WHERE name = 'Minzzweig'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Mai Tai'), (SELECT nr FROM deko WHERE name = 'Limettenscheibe'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Zombie'), (SELECT nr FROM deko WHERE name = 'Minzzweig'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Zombie'), (SELECT nr FROM deko WHERE name = 'Cocktailschirmchen'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Planter''s Punch'), (SELECT nr FROM deko WHERE name = 'Orangenscheibe'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Planter''s Punch'), (SELECT nr FROM deko WHERE name = 'Cocktailkirsche'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Hurricane'), (SELECT nr FROM deko WHERE name = 'Orangenscheibe'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Hurricane'), (SELECT nr FROM deko WHERE name = 'Cocktailkirsche'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Singapore Sling'), (SELECT nr FROM deko WHERE name = 'Ananasstück'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Singapore Sling'), (SELECT nr FROM deko WHERE name = 'Cocktailkirsche'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Aperol Spritz'), (SELECT nr FROM deko WHERE name = 'Orangenscheibe'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Hugo'), (SELECT nr FROM deko WHERE name = 'Minzzweig'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Mimosa'), (SELECT nr FROM deko WHERE name = 'Orangenscheibe'), 'am Glasrand');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Espresso Martini'), (SELECT nr FROM deko WHERE name = 'Kaffeebohnen'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Grasshopper'), (SELECT nr FROM deko WHERE name = 'Minzzweig'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Rusty Nail'), (SELECT nr FROM deko WHERE name = 'Zitronenzeste'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Virgin Colada'), (SELECT nr FROM deko WHERE name = 'Ananasstück'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Virgin Colada'), (SELECT nr FROM deko WHERE name = 'Cocktailschirmchen'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Ipanema'), (SELECT nr FROM deko WHERE name = 'Strohhalm'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Ipanema'), (SELECT nr FROM deko WHERE name = 'Limettenscheibe'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Shirley Temple'), (SELECT nr FROM deko WHERE name = 'Cocktailkirsche'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Virgin Mojito'), (SELECT nr FROM deko WHERE name = 'Minzzweig'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Virgin Mojito'), (SELECT nr FROM deko WHERE name = 'Strohhalm'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Florida'), (SELECT nr FROM deko WHERE name = 'Orangenscheibe'), '');
INSERT INTO dekoliste (cocktail, deko, beschreibung) VALUES ((SELECT nr FROM cocktails WHERE name = 'Virgin Mary'), (SELECT nr FROM deko WHERE name = 'Selleriestange'), '');

-- Ingredient setups
INSERT INTO zutatensetup (name, beschreibung) VALUES ('Hausbar', 'Gut sortierte Hausbar für die gängigen Klassiker');
INSERT INTO zutatensetup (name, beschreibung) VALUES ('Sommerparty', 'Rum und Tropenfrüchte für den Abend im Garten');
INSERT INTO zutatensetup (name, beschreibung) VALUES ('Minimal', 'Das Nötigste für einen schnellen Longdrink');

-- Stock of the setups
-- Hausbar
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Hausbar'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Hausbar'), (SELECT nr FROM zutaten WHERE name = 'Crushed Ice'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Hausbar'), (SELECT nr FROM zutaten WHERE name = 'Gin'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Hausbar'), (SELECT nr FROM zutaten WHERE name = 'Wodka'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Hausbar'), (SELECT nr FROM zutaten WHERE name = 'Weißer Rum'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Hausbar'), (SELECT nr FROM zutaten WHERE name = 'Bourbon Whiskey'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Hausbar'), (SELECT nr FROM zutaten WHERE name = 'Tequila'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Hausbar'), (SELECT nr FROM zutaten WHERE name = 'Orangenlikör'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Hausbar'), (SELECT nr FROM zutaten WHERE name = 'Roter Wermut'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Hausbar'), (SELECT nr FROM zutaten WHERE name = 'Campari'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Hausbar'), (SELECT nr FROM zutaten WHERE name = 'Angostura Bitter'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Hausbar'), (SELECT nr FROM zutaten WHERE name = 'Zuckersirup'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Hausbar'), (SELECT nr FROM zutaten WHERE name = 'Rohrzucker'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Hausbar'), (SELECT nr FROM zutaten WHERE name = 'Limette'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Hausbar'), (SELECT nr FROM zutaten WHERE name = 'Limettensaft'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Hausbar'), (SELECT nr FROM zutaten WHERE name = 'Zitronensaft'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Hausbar'), (SELECT nr FROM zutaten WHERE name = 'Sodawasser'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Hausbar'), (SELECT nr FROM zutaten WHERE name = 'Tonic Water'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Hausbar'), (SELECT nr FROM zutaten WHERE name = 'Cola'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Hausbar'), (SELECT nr FROM zutaten WHERE name = 'Minzblätter'));
-- Sommerparty
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Sommerparty'), (SELECT nr FROM zutaten WHERE name = 'Weißer Rum'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Sommerparty'), (SELECT nr FROM zutaten WHERE name = 'Brauner Rum'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Sommerparty'), (SELECT nr FROM zutaten WHERE name = 'Kokosnusscreme'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Sommerparty'), (SELECT nr FROM zutaten WHERE name = 'Ananassaft'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Sommerparty'), (SELECT nr FROM zutaten WHERE name = 'Maracujasaft'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Sommerparty'), (SELECT nr FROM zutaten WHERE name = 'Orangensaft'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Sommerparty'), (SELECT nr FROM zutaten WHERE name = 'Limettensaft'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Sommerparty'), (SELECT nr FROM zutaten WHERE name = 'Grenadine'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Sommerparty'), (SELECT nr FROM zutaten WHERE name = 'Mandelsirup'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Sommerparty'), (SELECT nr FROM zutaten WHERE name = 'Orangenlikör'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Sommerparty'), (SELECT nr FROM zutaten WHERE name = 'Crushed Ice'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Sommerparty'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'));
-- Minimal
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Minimal'), (SELECT nr FROM zutaten WHERE name = 'Eiswürfel'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Minimal'), (SELECT nr FROM zutaten WHERE name = 'Gin'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Minimal'), (SELECT nr FROM zutaten WHERE name = 'Wodka'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Minimal'), (SELECT nr FROM zutaten WHERE name = 'Tonic Water'));
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES ((SELECT nr FROM zutatensetup WHERE name = 'Minimal'), (SELECT nr FROM zutaten WHERE name = 'Orangensaft'));
