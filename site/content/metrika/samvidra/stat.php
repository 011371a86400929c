<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Отчёт об использовании программы «Самвидра»</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>Отчёт об использовании программы «Самвидра»</h1>
<p>На этот адрес программа «Самвидра» отправляет методом POST анонимный отчёт об использовании. Если открыть его в браузере, видна только эта заметка.</p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
