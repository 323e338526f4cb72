-- Ingredients added with the shell under numbers below zero (as `INSERT INTO zutaten(nr,name,getränk) VALUES(-500000000,'Minus',1)`):
-- the program crashed at every start, or wrote past its memory, while it read the catalogue.
INSERT INTO zutaten (nr, name, getränk) VALUES (1, 'Gin', 1);
INSERT INTO zutaten (nr, name, getränk) VALUES (2, 'Tonic Water', 1);
INSERT INTO zutaten (nr, name, getränk) VALUES (-500000000, 'Minus', 1);
INSERT INTO zutaten (nr, name, getränk) VALUES (-1, 'Minus eins', 1);
INSERT INTO zutaten (nr, name, getränk) VALUES (-2, 'Minus zwei', 0);
INSERT INTO zutaten (nr, name, getränk) VALUES (-3, 'Minus drei', 1);
INSERT INTO zutaten (nr, name, getränk) VALUES (-5, 'Minus fünf', 1);
INSERT INTO cocktails (nr, name) VALUES (1, 'Gin Tonic');
INSERT INTO cocktails (nr, name) VALUES (-7, 'Negativ');
INSERT INTO cocktails (nr, name) VALUES (4294967296, 'Jenseits');
INSERT INTO zutatenliste (cocktail, zutat, menge, variation) VALUES (1, 1, '4 cl', -1);
INSERT INTO zutatenliste (cocktail, zutat, menge, variation) VALUES (1, 2, '10 cl', 0);
INSERT INTO zutatenliste (cocktail, zutat, menge, variation) VALUES (-7, -500000000, '1 cl', 4294967296);
INSERT INTO zutatenliste (cocktail, zutat, menge, variation) VALUES (-7, -2, '2 cl', 0);
INSERT INTO zutatenliste (cocktail, zutat, menge, variation) VALUES (4294967296, -5, '3 cl', 0);
INSERT INTO zutatensetup (nr, name) VALUES (-1, 'Minus-Bar');
INSERT INTO zutatensetup (nr, name) VALUES (8589934592, 'Ferne Bar');
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES (-1, -500000000);
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES (-1, -2);
INSERT INTO zutatensetupvorrat (setup, zutat) VALUES (8589934592, -5);
